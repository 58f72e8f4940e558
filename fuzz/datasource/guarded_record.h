#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace z8::fuzz {

// A record handed to the source, between guard bytes and at a chosen
// misalignment: a write outside it shows in the guards after the call.
class GuardedRecord {
public:
    static constexpr size_t kGuard = 32;
    static constexpr uint8_t kGuardByte = 0xA5;

    GuardedRecord(size_t size, size_t shift)
        : bytes_(kGuard + shift + size + kGuard, kGuardByte), offset_(kGuard + shift), size_(size) {
        std::fill_n(Data(), size_, uint8_t{0});
    }

    uint8_t* Data() { return bytes_.data() + offset_; }
    size_t Size() const { return size_; }

    template <class T>
    T Get() const {
        T value{};
        std::memcpy(&value, bytes_.data() + offset_, std::min(sizeof value, size_));
        return value;
    }
    template <class T>
    void Put(const T& value) {
        std::memcpy(Data(), &value, std::min(sizeof value, size_));
    }

    bool GuardsIntact() const {
        const auto intact = [](auto first, auto last) {
            return std::all_of(first, last, [](uint8_t b) { return b == kGuardByte; });
        };
        return intact(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset_)) &&
               intact(bytes_.begin() + static_cast<std::ptrdiff_t>(offset_ + size_), bytes_.end());
    }

private:
    std::vector<uint8_t> bytes_;
    size_t offset_;
    size_t size_;
};

}  // namespace z8::fuzz
