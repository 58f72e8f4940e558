#pragma once

#include <string>

#include "device/serial_device.h"
#include "platform/clock.h"

namespace z8 {

// The port names the link forms ("COM3", "\\.\COM3") name files of a devices
// folder, lower case ("<folder>/com3"), the way Wine's dosdevices folder maps
// them; any other name is a path.
std::string PortPath(const std::string& name, const std::string& devicesFolder);

// A terminal device: open with O_NOCTTY and an exclusive lock, made
// byte-transparent (no echo, no line editing, no character translation, no
// XON/XOFF) with its speed, character size, parity and hardware handshake
// untouched. Each Read or Write waits with poll up to the total timeout of its
// call, so one call means what one ReadFile or WriteFile means under the same
// COMMTIMEOUTS; a line that hangs up ends the call at once with false.
class PosixSerialDevice final : public SerialDevice {
public:
    PosixSerialDevice(Clock& clock, std::string devicesFolder);
    ~PosixSerialDevice() override;
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    bool Open(const std::string& name) override;
    void Close() override;
    // Interval timeouts are not supported: a non-zero one is refused.
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override;
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) override;

private:
    Clock& clock_;
    std::string devicesFolder_;
    int fd_ = -1;
    SerialTimeouts timeouts_;
};

}  // namespace z8
