#include "device/serial_device_win32.h"

#include <windows.h>

namespace z8 {

Win32SerialDevice::~Win32SerialDevice() {
    Close();
}

bool Win32SerialDevice::IsOpen() const {
    return handle != INVALID_HANDLE_VALUE;
}

bool Win32SerialDevice::Open(const std::string& name) {
    if (IsOpen()) {
        return false;
    }
    handle = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr);
    return IsOpen();
}

void Win32SerialDevice::Close() {
    if (IsOpen()) {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

bool Win32SerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    COMMTIMEOUTS record{};
    record.ReadIntervalTimeout = timeouts.readIntervalTimeout;
    record.ReadTotalTimeoutMultiplier = timeouts.readTotalTimeoutMultiplier;
    record.ReadTotalTimeoutConstant = timeouts.readTotalTimeoutConstant;
    record.WriteTotalTimeoutMultiplier = timeouts.writeTotalTimeoutMultiplier;
    record.WriteTotalTimeoutConstant = timeouts.writeTotalTimeoutConstant;
    return IsOpen() && SetCommTimeouts(handle, &record) != 0;
}

bool Win32SerialDevice::Purge() {
    return IsOpen() && PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR) != 0;
}

bool Win32SerialDevice::PortAlive() {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handle, &errors, &status) != 0;
}

bool Win32SerialDevice::Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (!IsOpen()) return false;
    DWORD moved = 0;
    const bool ok = ReadFile(handle, buffer, count, &moved, nullptr) != 0;
    transferred = moved;
    return (ok && moved == count) || PortAlive();
}

bool Win32SerialDevice::Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (!IsOpen()) return false;
    DWORD moved = 0;
    const bool ok = WriteFile(handle, buffer, count, &moved, nullptr) != 0;
    transferred = moved;
    return (ok && moved == count) || PortAlive();
}

}  // namespace z8
