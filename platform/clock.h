#pragma once

#include <cstdint>

namespace z8 {

// Time as the programs see it: waits and a millisecond tick count. Tests hand
// the code a clock of their own, so that waits and retries cost no real time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Milliseconds since an arbitrary start, wrapping at 2^32 (GetTickCount):
    // compare ticks by unsigned difference only.
    virtual uint32_t TickCount() = 0;
};

// The running system's clock: Sleep and GetTickCount on Windows, nanosleep
// and the monotonic clock elsewhere.
Clock& SystemClock();

}  // namespace z8
