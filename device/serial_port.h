#pragma once

#include <cstdint>
#include <string>

#include "device/serial_device.h"
#include "platform/message_pump.h"
#include "platform/registry.h"

namespace z8 {

// The two timeout profiles of the link: one call's timeouts and how many calls
// one Read or Write may make.
struct TimeoutProfile {
    SerialTimeouts timeouts;
    uint32_t attempts;
};
// About 2.5 s per Read (50 calls of 50 ms).
inline constexpr TimeoutProfile kNormalProfile{{0, 0, 50, 0, 50}, 50};
// About 30 s per Read (200 calls of 150 ms), for waiting on image data.
inline constexpr TimeoutProfile kLongProfile{{0, 0, 150, 0, 50}, 200};

// Where the port driver records the port number (under HKEY_LOCAL_MACHINE,
// value "2", 4 bytes), in the order they are tried, and the name each gives.
inline constexpr const char* kPortKey9x = "System\\CurrentControlSet\\Services\\VxD\\QXX9X";
inline constexpr const char* kPortKeyNt = "System\\CurrentControlSet\\Services\\QXXNT\\Parameters";
inline constexpr const char* kPortValue = "2";

// The serial link to the scanner: finds its port in the registry, opens it
// around each operation and moves byte blocks with a bounded number of calls,
// dispatching the messages of one window between calls.
class CSerialPort {
public:
    // pump may be null: then no window is kept alive while waiting.
    CSerialPort(SerialDevice& device, Registry& registry, MessagePump* pump);
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Forms the port name from the registry; false leaves the name as it was
    // (empty at start-up, so every Open fails).
    bool FindComPort();
    void SetPumpWindow(WindowHandle window) { pumpWindow = window; }

    // True only when the port was closed and opens now (normal profile,
    // buffers purged).
    bool Open();
    // True when the port was open.
    bool Close();
    // Apply a profile; nothing happens while the port is closed.
    void SetNormalTimeouts();
    void SetLongTimeouts();

    // True when exactly count bytes moved within `attempts` calls. A short
    // call keeps what it moved: the next call continues at that offset and
    // asks for the remainder. A failed call (the port has gone) ends it at
    // once. transferred tells how many bytes moved.
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred);
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred);
    // Reads and throws away at most count bytes, within `attempts` calls, and
    // stops at the first call that brings nothing (the line is quiet).
    // Returns the number of bytes thrown away.
    uint32_t Discard(uint32_t count);

    const std::string& PortName() const { return portName; }
    bool IsOpen() const { return isOpen; }
    uint32_t Attempts() const { return attempts; }

private:
    // The retry loop of Read and Write; call(offset, left, moved) makes one
    // system call, sets the bytes it moved and returns false when it failed.
    template <class Call>
    bool Transfer(uint32_t count, uint32_t& transferred, Call call);
    void Apply(const TimeoutProfile& profile);
    void PumpMessages();

    SerialDevice& device_;
    Registry& registry_;
    MessagePump* pump_;

    std::string portName;
    bool isOpen = false;
    WindowHandle pumpWindow = nullptr;
    // Calls one Read or Write may make. Profiles set it; until the first
    // Open it holds the normal profile's count.
    uint32_t attempts = kNormalProfile.attempts;
};

}  // namespace z8
