#include <time.h>

#include "platform/local_clock.h"

namespace z8 {
namespace {

class PosixLocalClock final : public LocalClock {
public:
    LocalTime Now() const override {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        tm parts{};
        localtime_r(&now.tv_sec, &parts);
        return LocalTime{parts.tm_year + 1900,
                         parts.tm_mon + 1,
                         parts.tm_mday,
                         parts.tm_hour,
                         parts.tm_min,
                         parts.tm_sec,
                         static_cast<int>(now.tv_nsec / 1000000)};
    }
};

}  // namespace

const LocalClock& SystemLocalClock() {
    static const PosixLocalClock clock;
    return clock;
}

}  // namespace z8
