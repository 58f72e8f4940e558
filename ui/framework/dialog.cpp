#include "ui/framework/dialog.h"

namespace z8::ui {

Dialog::~Dialog() {
    if (hwnd_ == nullptr || modal_) return;
    SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
    HWND window = hwnd_;
    hwnd_ = nullptr;
    DestroyWindow(window);
}

HWND Dialog::Create(HINSTANCE resources, int templateId, HWND parent) {
    if (hwnd_ != nullptr) return nullptr;
    modal_ = false;
    return CreateDialogParamA(resources, MAKEINTRESOURCEA(templateId), parent, &Dialog::Procedure,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::RunModal(HINSTANCE resources, int templateId, HWND parent) {
    if (hwnd_ != nullptr) return -1;
    modal_ = true;
    return DialogBoxParamA(resources, MAKEINTRESOURCEA(templateId), parent, &Dialog::Procedure,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::Destroy() {
    if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

void Dialog::EndModal(INT_PTR result) {
    EndDialog(hwnd_, result);
}

bool Dialog::OnCommand(int id, int, HWND) {
    // Esc and the close box of a modal dialog end it, as the system's own do.
    if (modal_ && (id == IDCANCEL || id == IDOK)) {
        EndModal(id);
        return true;
    }
    return false;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = window;
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_TIMER:
            return OnTimer(static_cast<UINT_PTR>(wParam));
        case WM_ERASEBKGND:
            if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, 1);
                return TRUE;
            }
            return FALSE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR: {
            // Colour messages return the brush itself, not through DWLP_MSGRESULT.
            HBRUSH brush = OnControlColour(reinterpret_cast<HDC>(wParam),
                                           reinterpret_cast<HWND>(lParam), message);
            return reinterpret_cast<INT_PTR>(brush);
        }
        case WM_DESTROY:
            OnDestroy();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
            hwnd_ = nullptr;
            return FALSE;
        default: {
            LRESULT result = 0;
            if (OnMessage(message, wParam, lParam, result)) {
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
        }
    }
}

}  // namespace z8::ui
