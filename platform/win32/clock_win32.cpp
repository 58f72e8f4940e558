#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace z8 {

void Win32Clock::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

uint32_t Win32Clock::TickCount() {
    return ::GetTickCount();
}

namespace {

// Built with the library rather than at first use: the guard of a
// function-local static costs a thread handle and an event at each load of
// the source (the statically linked thread library never gives them back).
Win32Clock g_clock;

}  // namespace

Clock& SystemClock() {
    return g_clock;
}

}  // namespace z8
