#include <windows.h>

#include "platform/local_clock.h"

namespace z8 {
namespace {

class Win32LocalClock final : public LocalClock {
public:
    LocalTime Now() const override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return LocalTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                         now.wMinute, now.wSecond, now.wMilliseconds};
    }
};

}  // namespace

const LocalClock& SystemLocalClock() {
    static const Win32LocalClock clock;
    return clock;
}

}  // namespace z8
