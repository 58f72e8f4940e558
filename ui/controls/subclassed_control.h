#pragma once

#include <windows.h>

namespace z8::ui {

// Messages a dialog hands back to the control they concern (owner drawing,
// custom drawing, colours): kReflected + the original message.
inline constexpr UINT kReflected = WM_APP + 0x2000;

// Sends WM_DRAWITEM, a WM_NOTIFY and the WM_CTLCOLOR* messages back to their
// control. True, with the control's answer, when the control handled it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// A dialog's control whose procedure is replaced by this object's while it is
// attached; the control's own procedure handles whatever this one passes on.
class SubclassedControl {
public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // The attached object of a control, or null.
    static SubclassedControl* From(HWND control);

    bool Subclass(HWND dialog, int id);
    void Unsubclass();
    HWND hwnd() const { return hwnd_; }

protected:
    // The control's own handling.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return Default(message, wParam, lParam);
    }
    virtual void OnSubclassed() {}

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    HWND hwnd_ = nullptr;
};

}  // namespace z8::ui
