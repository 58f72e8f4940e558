#pragma once

#include <windows.h>

namespace z8::ui {

// Routes the messages of an existing window (a dialog's control) through
// WindowProc, to change how it behaves. Detach puts the window's previous
// procedure back; it runs by itself when the window is destroyed and when
// the object goes. One window per object; nothing thrown by WindowProc
// leaves the procedure (the message then gets the previous procedure's
// handling).
class SubclassedWindow {
public:
    SubclassedWindow() = default;
    virtual ~SubclassedWindow();
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;

    // False when already attached, or the window is null or cannot be
    // subclassed.
    bool Attach(HWND window);
    void Detach();
    HWND hwnd() const { return hwnd_; }

protected:
    // Messages not handled here go to CallPrevious.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Called once the window is being destroyed, before the previous
    // procedure gets WM_NCDESTROY and the object detaches.
    virtual void OnDetach() {}
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace z8::ui
