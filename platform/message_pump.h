#pragma once

namespace z8 {

// A window as portable code holds it: an HWND on Windows, opaque elsewhere.
using WindowHandle = void*;

// Keeps a window alive while the code waits on its own thread.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Removes and dispatches, one after the other, every message queued for
    // window until none is left.
    virtual void DispatchPending(WindowHandle window) = 0;
};

}  // namespace z8
