#pragma once

#include "platform/message_pump.h"

namespace z8 {

// PeekMessageA with PM_REMOVE, TranslateMessage and DispatchMessageA.
class Win32MessagePump final : public MessagePump {
public:
    void DispatchPending(WindowHandle window) override;
};

}  // namespace z8
