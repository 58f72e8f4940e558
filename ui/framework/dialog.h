#pragma once

#include <windows.h>

namespace z8::ui {

// A dialog bound to a template. One static procedure finds the object through
// DWLP_USER (set from the creation parameter at WM_INITDIALOG) and forwards
// each message, decoded once, to a virtual handler. Nothing thrown by a handler
// leaves the procedure.
class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modeless; the window is invisible until shown unless its template says
    // otherwise. Null when the window cannot be made, or while this object
    // already has one.
    HWND Create(HINSTANCE resources, int templateId, HWND parent);
    // The dialog's result; -1 when it cannot be shown or this object already
    // has a window.
    INT_PTR RunModal(HINSTANCE resources, int templateId, HWND parent);
    // Destroys a modeless window (OnDestroy runs); a modal one ends with EndModal.
    void Destroy();

    HWND hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    // A control of the dialog as a wrapper of controls.h (Button, ComboBox...).
    template <class ControlType>
    ControlType Get(int id) const {
        return ControlType(Item(id));
    }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // True when handled.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnEraseBackground(HDC) { return false; }
    // A brush to colour a control with, or null for the default handling.
    virtual HBRUSH OnControlColour(HDC, HWND, UINT) { return nullptr; }
    virtual void OnDestroy() {}
    // Any other message; true when handled, with its result.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    void EndModal(INT_PTR result);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

}  // namespace z8::ui
