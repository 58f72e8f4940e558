#include "tools/emulator/transcript.h"

#include <cstdio>

#include "device/frame.h"
#include "device/scan_parameter_block.h"
#include "device/scan_status.h"

namespace z8::emu {

namespace {

constexpr size_t kShownPayload = 32;

void AppendHex(std::string& text, std::span<const uint8_t> bytes) {
    char hex[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : " %02x", bytes[i]);
        text += hex;
    }
}

std::string StatusNote(const char* what, std::span<const uint8_t> payload) {
    if (payload.empty()) {
        return what;
    }
    const char* name = ScanStatusName(payload[0]);
    return std::string(what) + " " + std::to_string(payload[0]) + (name ? " " : "") +
           (name ? name : "");
}

std::string RequestNote(uint16_t code) {
    switch (code) {
        case CMD_STATUS:
            return "status";
        case CMD_SET_PARAMETERS:
            return "parameters";
        case CMD_ABORT:
            return "abort";
        case CMD_INQUIRY:
            return "inquiry";
        default:
            return "unknown request";
    }
}

std::string BlockNote(const char* what, std::span<const uint8_t> payload) {
    if (payload.size() != kScanParameterBlockSize) {
        return what;
    }
    const ScanParameterBlock b = DecodeBlock(
        std::span<const uint8_t, kScanParameterBlockSize>(payload.data(), payload.size()));
    return std::string(what) + " mode " + std::to_string(b.mode) + " " +
           std::to_string(b.xResolution) + "x" + std::to_string(b.yResolution) + " dpi, left " +
           std::to_string(b.left) + " right " + std::to_string(b.right) + " top " +
           std::to_string(b.top) + " bottom " + std::to_string(b.bottom);
}

std::string ReplyNote(uint16_t code, std::span<const uint8_t> payload) {
    switch (code) {
        case kReplyStatus:
            return StatusNote("status", payload);
        case kReplyStarted:
            return "started";
        case kReplyBand: {
            const auto band = ParseBand(payload);
            if (!band) {
                return "band (malformed)";
            }
            return "band " + std::to_string(band->lineCount) + " lines of " +
                   std::to_string(band->lineLength);
        }
        case kReplyGeometry:
            return BlockNote("geometry", payload);
        case kReplyEndOfPage:
            return StatusNote("end of page", payload);
        case kReplyInquiry:
            if (payload.size() < 2) {
                return "inquiry";
            }
            return "inquiry: feeder " + std::to_string(payload[0]) + ", flatbed " +
                   std::to_string(payload[1]);
        default:
            return "unaccepted code";
    }
}

std::string Format(std::string_view direction, std::span<const uint8_t> frame, bool complete) {
    std::string line(direction);
    line += ' ';
    const auto head = frame.first(std::min(frame.size(), kHeaderSize));
    AppendHex(line, head);
    const auto payload = frame.subspan(head.size());
    if (!payload.empty()) {
        line += " | ";
        AppendHex(line, payload.first(std::min(payload.size(), kShownPayload)));
        if (payload.size() > kShownPayload) {
            line += " ...(+" + std::to_string(payload.size() - kShownPayload) + ")";
        }
    }
    if (!complete) {
        return line + "  (incomplete)";
    }
    const FrameHeader header = DecodeHeader(head.first<kHeaderSize>());
    line += "  # ";
    line += direction == kToScanner
                ? (header.code == CMD_SET_PARAMETERS ? BlockNote("parameters", payload)
                                                     : RequestNote(header.code))
                : ReplyNote(header.code, payload);
    return line;
}

}  // namespace

std::string FormatFrame(std::string_view direction, std::span<const uint8_t> frame) {
    const bool complete =
        frame.size() >= kHeaderSize &&
        frame.size() - kHeaderSize == DecodeHeader(frame.first<kHeaderSize>()).length;
    return Format(direction, frame, complete);
}

std::vector<std::string> FormatStream(std::string_view direction, std::span<const uint8_t> bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        size_t size = bytes.size();
        bool complete = false;
        if (bytes.size() >= kHeaderSize) {
            const uint64_t whole =
                kHeaderSize + uint64_t{DecodeHeader(bytes.first<kHeaderSize>()).length};
            complete = whole <= bytes.size();
            size = complete ? static_cast<size_t>(whole) : bytes.size();
        }
        lines.push_back(Format(direction, bytes.first(size), complete));
        bytes = bytes.subspan(size);
    }
    return lines;
}

}  // namespace z8::emu
