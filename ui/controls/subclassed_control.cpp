#include "ui/controls/subclassed_control.h"

#include <commctrl.h>

namespace z8::ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x5A38;
// The window property that leads from a control to its object.
constexpr const char* kObjectProperty = "z8.control";

HWND ControlOf(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<HWND>(lParam);
        default:
            return nullptr;
    }
}

}  // namespace

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND control = ControlOf(message, lParam);
    if (control == nullptr || SubclassedControl::From(control) == nullptr) return false;
    result = SendMessageA(control, kReflected + message, wParam, lParam);
    return true;
}

SubclassedControl::~SubclassedControl() {
    Unsubclass();
}

SubclassedControl* SubclassedControl::From(HWND control) {
    return static_cast<SubclassedControl*>(GetPropA(control, kObjectProperty));
}

bool SubclassedControl::Subclass(HWND dialog, int id) {
    Unsubclass();
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return false;
    if (!SetWindowSubclass(control, &SubclassedControl::Procedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    SetPropA(control, kObjectProperty, this);
    hwnd_ = control;
    OnSubclassed();
    return true;
}

void SubclassedControl::Unsubclass() {
    if (hwnd_ == nullptr) return;
    RemovePropA(hwnd_, kObjectProperty);
    RemoveWindowSubclass(hwnd_, &SubclassedControl::Procedure, kSubclassId);
    hwnd_ = nullptr;
}

LRESULT SubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<SubclassedControl*>(data);
    try {
        if (message == WM_NCDESTROY) {
            // The window goes before the object: let go of it first.
            self->Unsubclass();
            return DefSubclassProc(window, message, wParam, lParam);
        }
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(window, message, wParam, lParam);
    }
}

}  // namespace z8::ui
