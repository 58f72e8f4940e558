#include "platform/win32/message_pump_win32.h"

#include <windows.h>

namespace z8 {

namespace {

// Timers of a window's controls (an animated button) are not among the
// window's own messages for every system: they are fetched child by child.
BOOL CALLBACK DispatchChildTimers(HWND child, LPARAM) {
    MSG message;
    while (PeekMessageA(&message, child, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    return TRUE;
}

}  // namespace

void Win32MessagePump::DispatchPending(WindowHandle window) {
    MSG message;
    while (PeekMessageA(&message, static_cast<HWND>(window), 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (window != nullptr) EnumChildWindows(static_cast<HWND>(window), DispatchChildTimers, 0);
}

}  // namespace z8
