#include "debuglog/archive.h"

#include <algorithm>

namespace z8 {

void Archive::WriteInt(int32_t value) {
    if (!ok_ || out_ == nullptr) {
        ok_ = false;
        return;
    }
    const auto bits = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                           static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 24) & 0xFF)};
    ok_ = static_cast<bool>(out_->write(bytes, sizeof bytes));
}

void Archive::WriteString(std::string_view text) {
    WriteInt(static_cast<int32_t>(text.size()));
    if (!ok_) {
        return;
    }
    ok_ = static_cast<bool>(out_->write(text.data(), static_cast<std::streamsize>(text.size())));
    ok_ = ok_ && static_cast<bool>(out_->flush());
}

bool Archive::ReadInt(int32_t& value) {
    if (!ok_ || in_ == nullptr) {
        return ok_ = false;
    }
    unsigned char bytes[4];
    if (!in_->read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        return ok_ = false;
    }
    value = static_cast<int32_t>(
        static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
        static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

bool Archive::ReadString(std::string& text) {
    int32_t length = 0;
    if (!ReadInt(length)) {
        return false;
    }
    if (length < 0) {
        return ok_ = false;
    }
    // In pieces, so that a forged length cannot reserve more than the stream holds.
    constexpr size_t kPiece = 4096;
    std::string bytes;
    size_t remaining = static_cast<size_t>(length);
    while (remaining > 0) {
        const size_t piece = std::min(remaining, kPiece);
        const size_t start = bytes.size();
        bytes.resize(start + piece);
        if (!in_->read(bytes.data() + start, static_cast<std::streamsize>(piece))) {
            return ok_ = false;
        }
        remaining -= piece;
    }
    text = std::move(bytes);
    return true;
}

}  // namespace z8
