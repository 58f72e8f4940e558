#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "device/serial_device.h"

namespace z8::fuzz {

// A port whose scanner sends the fuzzer's bytes, at most `chunk` bytes a
// call, and takes every write.
class StreamDevice final : public SerialDevice {
public:
    StreamDevice(std::span<const uint8_t> stream, uint32_t chunk)
        : stream_(stream), chunk_(chunk) {}

    bool Open(const std::string&) override { return true; }
    void Close() override {}
    bool SetTimeouts(const SerialTimeouts&) override { return true; }
    bool Purge() override { return true; }
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override {
        transferred = static_cast<uint32_t>(std::min<size_t>({count, chunk_, stream_.size()}));
        std::copy_n(stream_.begin(), transferred, buffer);
        stream_ = stream_.subspan(transferred);
        return true;
    }
    bool Write(const uint8_t*, uint32_t count, uint32_t& transferred) override {
        transferred = count;
        return true;
    }
    bool Exhausted() const { return stream_.empty(); }

private:
    std::span<const uint8_t> stream_;
    uint32_t chunk_;
};

}  // namespace z8::fuzz
