#include "platform/win32/message_pump_win32.h"

#include <windows.h>

namespace z8 {

void Win32MessagePump::DispatchPending(WindowHandle window) {
    MSG message;
    while (PeekMessageA(&message, static_cast<HWND>(window), 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace z8
