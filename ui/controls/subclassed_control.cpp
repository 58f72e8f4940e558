#include "ui/controls/subclassed_control.h"

namespace z8::ui {
namespace {

// The window property that leads from a control to its object.
constexpr char kObjectProperty[] = "z8.SubclassedControl";

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
    Forget();
}

SubclassedControl* SubclassedControl::From(HWND control) {
    return static_cast<SubclassedControl*>(GetPropA(control, kObjectProperty));
}

bool SubclassedControl::Subclass(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr || !Attach(control)) return false;
    SetPropA(control, kObjectProperty, this);
    OnSubclassed();
    return true;
}

void SubclassedControl::Forget() {
    if (hwnd() != nullptr) RemovePropA(hwnd(), kObjectProperty);
}

}  // namespace z8::ui
