#include "device/serial_port.h"

#include <algorithm>

namespace z8 {

namespace {

// Reads the 4-byte port number of one key; 0 when it cannot be read.
int32_t ReadPortNumber(Registry& registry, const char* key, bool& found) {
    uint8_t raw[4] = {};
    found = registry.ReadLocalMachineValue(key, kPortValue, raw, sizeof raw);
    return static_cast<int32_t>(uint32_t{raw[0]} | uint32_t{raw[1]} << 8 | uint32_t{raw[2]} << 16 |
                                uint32_t{raw[3]} << 24);
}

}  // namespace

CSerialPort::CSerialPort(SerialDevice& device, Registry& registry, MessagePump* pump)
    : device_(device), registry_(registry), pump_(pump) {}

CSerialPort::~CSerialPort() {
    Close();
}

bool CSerialPort::FindComPort() {
    // The order of the keys decides, not the version of the system: the 9x
    // driver's key wins whenever it can be read, even with a 0 in it.
    bool found = false;
    int32_t number = ReadPortNumber(registry_, kPortKey9x, found);
    std::string name;
    if (found) {
        name = "COM";
    } else {
        number = ReadPortNumber(registry_, kPortKeyNt, found);
        if (!found) {
            return false;
        }
        name = "\\\\.\\COM";
    }
    if (number == 0) {
        return false;
    }
    portName = name + std::to_string(number);
    return true;
}

bool CSerialPort::Open() {
    if (isOpen) {
        return false;
    }
    if (!device_.Open(portName)) {
        return false;
    }
    isOpen = true;
    SetNormalTimeouts();
    device_.Purge();
    return true;
}

bool CSerialPort::Close() {
    if (!isOpen) {
        return false;
    }
    device_.Close();
    isOpen = false;
    return true;
}

void CSerialPort::SetNormalTimeouts() {
    Apply(kNormalProfile);
}

void CSerialPort::SetLongTimeouts() {
    Apply(kLongProfile);
}

void CSerialPort::Apply(const TimeoutProfile& profile) {
    if (!isOpen) {
        return;
    }
    device_.SetTimeouts(profile.timeouts);
    attempts = profile.attempts;
}

void CSerialPort::PumpMessages() {
    if (pump_ != nullptr && pumpWindow != nullptr) {
        pump_->DispatchPending(pumpWindow);
    }
}

template <class Call>
bool CSerialPort::Transfer(uint32_t count, uint32_t& transferred, Call call) {
    transferred = 0;
    for (uint32_t tries = 0; tries < attempts && transferred != count; ++tries) {
        const uint32_t left = count - transferred;
        uint32_t moved = 0;
        const bool working = call(transferred, left, moved);
        transferred += std::min(moved, left);
        if (!working) break;
        if (transferred != count) {
            PumpMessages();
        }
    }
    return transferred == count;
}

bool CSerialPort::Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    return Transfer(count, transferred, [&](uint32_t offset, uint32_t left, uint32_t& moved) {
        return device_.Read(buffer + offset, left, moved);
    });
}

bool CSerialPort::Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    return Transfer(count, transferred, [&](uint32_t offset, uint32_t left, uint32_t& moved) {
        return device_.Write(buffer + offset, left, moved);
    });
}

uint32_t CSerialPort::Discard(uint32_t count) {
    uint8_t scratch[4096];
    uint32_t discarded = 0;
    for (uint32_t tries = 0; tries < attempts && discarded != count; ++tries) {
        uint32_t moved = 0;
        const uint32_t piece = std::min<uint32_t>(count - discarded, sizeof scratch);
        device_.Read(scratch, piece, moved);
        if (moved == 0) {
            break;
        }
        discarded += std::min(moved, piece);
        PumpMessages();
    }
    return discarded;
}

}  // namespace z8
