#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace z8 {

// Every message in both directions: a 2-byte code (an ASCII digit), a 4-byte
// payload length, then the payload; numbers little-endian.
inline constexpr size_t kHeaderSize = 6;

// Requests.
inline constexpr uint16_t CMD_STATUS = 0x30;
inline constexpr uint16_t CMD_SET_PARAMETERS = 0x32;
inline constexpr uint16_t CMD_ABORT = 0x33;
inline constexpr uint16_t CMD_INQUIRY = 0x37;

// Replies.
inline constexpr uint16_t kReplyStatus = 0x30;     // byte 0: status
inline constexpr uint16_t kReplyStarted = 0x32;    // parameters accepted, scan starts
inline constexpr uint16_t kReplyBand = 0x33;       // a band of image lines
inline constexpr uint16_t kReplyGeometry = 0x34;   // the block as it will be scanned
inline constexpr uint16_t kReplyEndOfPage = 0x35;  // byte 0: status
inline constexpr uint16_t kReplyInquiry = 0x37;    // byte 0: feeder, byte 1: flatbed

// The receive buffer the engine passes for payloads; the scanner keeps every
// reply within it.
inline constexpr uint32_t kReceiveBufferSize = 66000;

struct FrameHeader {
    uint16_t code = 0;
    uint32_t length = 0;
};

std::array<uint8_t, kHeaderSize> EncodeHeader(FrameHeader header);
FrameHeader DecodeHeader(std::span<const uint8_t, kHeaderSize> bytes);

// The codes a reply may carry (0x30, 0x32, 0x33, 0x34, 0x35, 0x37).
bool IsAcceptedReplyCode(uint16_t code);

// The smallest payload that a reply of an accepted code needs to make sense:
// the status byte, the two ability bytes, the whole geometry block (bands are
// checked by ParseBand).
uint32_t MinimumReplyPayload(uint16_t code);

// A band payload: a 16-bit line count n, then n lines of equal length
// (payload − 2) / n.
struct Band {
    uint16_t lineCount = 0;
    uint32_t lineLength = 0;
    std::span<const uint8_t> lines;  // lineCount × lineLength bytes
};

// None when the count is 0 or the payload cannot hold one byte per line.
std::optional<Band> ParseBand(std::span<const uint8_t> payload);

}  // namespace z8
