#pragma once

#include "device/serial_device.h"

namespace z8 {

// A COM port through CreateFileA, SetCommTimeouts, PurgeComm, ReadFile,
// WriteFile and CloseHandle. The line settings (speed, parity, handshake) stay
// what the port's driver gives. A call that moves less than asked, or fails,
// reports failure only when the port itself has gone (a hung-up line, an
// unplugged adapter): a line error is cleared and the call counts as short.
class Win32SerialDevice final : public SerialDevice {
public:
    Win32SerialDevice() = default;
    ~Win32SerialDevice() override;
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    bool Open(const std::string& name) override;
    void Close() override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override;
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) override;

private:
    bool IsOpen() const;
    // ClearCommError: it clears a line error that fails ReadFile and WriteFile
    // until it is called, and fails itself once the port has gone.
    bool PortAlive();
    // The port's HANDLE; INVALID_HANDLE_VALUE while closed.
    void* handle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
};

}  // namespace z8
