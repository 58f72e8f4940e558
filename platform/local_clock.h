#pragma once

namespace z8 {

// A moment of local time, to the millisecond (the fields of a Win32 SYSTEMTIME).
struct LocalTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalTime Now() const = 0;
};

// GetLocalTime on Windows, the C library's local time elsewhere.
const LocalClock& SystemLocalClock();

}  // namespace z8
