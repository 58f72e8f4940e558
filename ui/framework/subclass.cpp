#include "ui/framework/subclass.h"

namespace z8::ui {
namespace {

// The window property that leads the shared procedure to its object.
constexpr char kOwnerProperty[] = "z8.SubclassedWindow";

}  // namespace

SubclassedWindow::~SubclassedWindow() {
    Detach();
}

bool SubclassedWindow::Attach(HWND window) {
    if (hwnd_ != nullptr || window == nullptr) return false;
    if (GetPropA(window, kOwnerProperty) != nullptr) return false;
    if (!SetPropA(window, kOwnerProperty, this)) return false;
    const auto previous = SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedWindow::Procedure));
    if (previous == 0) {
        RemovePropA(window, kOwnerProperty);
        return false;
    }
    hwnd_ = window;
    previous_ = reinterpret_cast<WNDPROC>(previous);
    return true;
}

void SubclassedWindow::Detach() {
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropA(hwnd_, kOwnerProperty);
    hwnd_ = nullptr;
    previous_ = nullptr;
}

LRESULT SubclassedWindow::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previous_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = static_cast<SubclassedWindow*>(GetPropA(window, kOwnerProperty));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC previous = self->previous_;
        try {
            self->OnDetach();
        } catch (...) {
        }
        self->Detach();
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        return self->CallPrevious(message, wParam, lParam);
    }
}

}  // namespace z8::ui
