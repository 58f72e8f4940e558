#pragma once

#include "platform/clock.h"

namespace z8 {

// Sleep and GetTickCount.
class Win32Clock final : public Clock {
public:
    void Sleep(uint32_t milliseconds) override;
    uint32_t TickCount() override;
};

}  // namespace z8
