#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace z8 {

void Win32Clock::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

uint32_t Win32Clock::TickCount() {
    return ::GetTickCount();
}

Clock& SystemClock() {
    static Win32Clock clock;
    return clock;
}

}  // namespace z8
