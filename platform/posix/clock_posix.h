#pragma once

#include "platform/clock.h"

namespace z8 {

// nanosleep and the monotonic clock.
class PosixClock final : public Clock {
public:
    void Sleep(uint32_t milliseconds) override;
    uint32_t TickCount() override;
};

}  // namespace z8
