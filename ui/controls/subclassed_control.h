#pragma once

#include <windows.h>

#include "ui/framework/subclass.h"

namespace z8::ui {

// Messages a dialog hands back to the control they concern (owner drawing,
// custom drawing, colours): kReflected + the original message.
inline constexpr UINT kReflected = WM_APP + 0x2000;

// Sends WM_DRAWITEM, a WM_NOTIFY and the WM_CTLCOLORSTATIC/BTN messages back
// to their control when it is a SubclassedControl. True, with the control's
// answer, when it was sent.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// A dialog's control drawn by this object: subclassed by its id, and found
// again from its window by the reflection above.
class SubclassedControl : public SubclassedWindow {
public:
    ~SubclassedControl() override;

    // The object attached to a control, or null.
    static SubclassedControl* From(HWND control);

    bool Subclass(HWND dialog, int id);

protected:
    // The control's own handling.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallPrevious(message, wParam, lParam);
    }
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return Default(message, wParam, lParam);
    }
    virtual void OnSubclassed() {}

private:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final {
        return OnMessage(message, wParam, lParam);
    }
    void OnDetach() override { Forget(); }
    void Forget();
};

}  // namespace z8::ui
