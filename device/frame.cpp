#include "device/frame.h"

#include "device/scan_parameter_block.h"

namespace z8 {

std::array<uint8_t, kHeaderSize> EncodeHeader(FrameHeader header) {
    return {static_cast<uint8_t>(header.code),         static_cast<uint8_t>(header.code >> 8),
            static_cast<uint8_t>(header.length),       static_cast<uint8_t>(header.length >> 8),
            static_cast<uint8_t>(header.length >> 16), static_cast<uint8_t>(header.length >> 24)};
}

FrameHeader DecodeHeader(std::span<const uint8_t, kHeaderSize> bytes) {
    FrameHeader header;
    header.code = static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
    header.length = uint32_t{bytes[2]} | uint32_t{bytes[3]} << 8 | uint32_t{bytes[4]} << 16 |
                    uint32_t{bytes[5]} << 24;
    return header;
}

bool IsAcceptedReplyCode(uint16_t code) {
    switch (code) {
        case kReplyStatus:
        case kReplyStarted:
        case kReplyBand:
        case kReplyGeometry:
        case kReplyEndOfPage:
        case kReplyInquiry:
            return true;
        default:
            return false;
    }
}

uint32_t MinimumReplyPayload(uint16_t code) {
    switch (code) {
        case kReplyStatus:
        case kReplyEndOfPage:
            return 1;
        case kReplyInquiry:
            return 2;
        case kReplyGeometry:
            return kScanParameterBlockSize;
        default:
            return 0;
    }
}

std::optional<Band> ParseBand(std::span<const uint8_t> payload) {
    if (payload.size() < 2) {
        return std::nullopt;
    }
    Band band;
    band.lineCount = static_cast<uint16_t>(payload[0] | payload[1] << 8);
    const size_t data = payload.size() - 2;
    if (band.lineCount == 0 || band.lineCount > data) {
        return std::nullopt;
    }
    band.lineLength = static_cast<uint32_t>(data / band.lineCount);
    band.lines = payload.subspan(2, size_t{band.lineCount} * band.lineLength);
    return band;
}

}  // namespace z8
