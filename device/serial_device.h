#pragma once

#include <cstdint>
#include <string>

namespace z8 {

// Timeouts of one read or write call, in milliseconds, with the meaning of the
// Win32 COMMTIMEOUTS fields of the same names. A call returns when its whole
// count has moved or when multiplier × count + constant has elapsed, whichever
// comes first; all zero means no time limit.
struct SerialTimeouts {
    uint32_t readIntervalTimeout = 0;
    uint32_t readTotalTimeoutMultiplier = 0;
    uint32_t readTotalTimeoutConstant = 0;
    uint32_t writeTotalTimeoutMultiplier = 0;
    uint32_t writeTotalTimeoutConstant = 0;
};

// One serial port of the operating system, opened by name. Each Read and
// Write is one synchronous call of the system (ReadFile, WriteFile): it may
// move fewer bytes than asked when its timeout expires.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Opens an existing port for reading and writing, not shared.
    virtual bool Open(const std::string& name) = 0;
    virtual void Close() = 0;
    virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // Discards what waits in the transmit and the receive buffer.
    virtual bool Purge() = 0;
    // transferred is set on every return; false reports a failed call.
    virtual bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) = 0;
    virtual bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) = 0;
};

}  // namespace z8
