#include "tools/emulator/emulated_serial_device.h"

#include <algorithm>
#include <span>

#include "device/frame.h"

namespace z8::emu {

bool EmulatedSerialDevice::Open(const std::string& name) {
    if (open_ || name.empty()) return false;
    open_ = true;
    hungUp_ = false;
    hangUpAfterPending_ = false;
    return true;
}

bool EmulatedSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    timeouts_ = timeouts;
    return open_ && !hungUp_;
}

bool EmulatedSerialDevice::Purge() {
    pending_.clear();
    return open_ && !hungUp_;
}

void EmulatedSerialDevice::Fill(uint32_t count) {
    while (pending_.size() < count && stallMs_ == 0 && !hangUpAfterPending_) {
        std::optional<Action> action = model_.Next();
        if (!action) return;
        switch (action->kind) {
            case Action::Kind::Send:
                pending_.insert(pending_.end(), action->frame.begin(), action->frame.end());
                break;
            case Action::Kind::Stall:
                stallMs_ = std::max<uint32_t>(action->ms, 1);
                break;
            case Action::Kind::HangUp:
                hangUpAfterPending_ = true;
                break;
        }
    }
}

bool EmulatedSerialDevice::Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (!open_ || hungUp_) return false;
    Fill(count);
    if (pending_.empty() && hangUpAfterPending_) {
        hungUp_ = true;
        return false;
    }
    transferred = static_cast<uint32_t>(std::min<size_t>(count, pending_.size()));
    std::copy_n(pending_.begin(), transferred, buffer);
    pending_.erase(pending_.begin(), pending_.begin() + transferred);
    if (transferred < count) {
        const uint32_t waited =
            timeouts_.readTotalTimeoutMultiplier * count + timeouts_.readTotalTimeoutConstant;
        clock_.Sleep(waited);
        stallMs_ -= std::min(stallMs_, std::max<uint32_t>(waited, 1));
    }
    return true;
}

bool EmulatedSerialDevice::Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (!open_ || hungUp_) return false;
    input_.insert(input_.end(), buffer, buffer + count);
    transferred = count;
    while (input_.size() >= kHeaderSize) {
        const FrameHeader header =
            DecodeHeader(std::span<const uint8_t, kHeaderSize>(input_.data(), kHeaderSize));
        if (header.length > kLargestRequest) {
            input_.clear();
            break;
        }
        if (input_.size() < kHeaderSize + header.length) break;
        model_.Receive(header.code,
                       std::span<const uint8_t>(input_).subspan(kHeaderSize, header.length));
        input_.erase(input_.begin(),
                     input_.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + header.length));
    }
    return true;
}

}  // namespace z8::emu
