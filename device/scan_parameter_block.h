#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace z8 {

inline constexpr size_t kScanParameterBlockSize = 26;

// What to scan: sent with CMD_SET_PARAMETERS, echoed by the geometry reply as
// the scanner will scan it. Byte offsets on the wire in the comments.
struct ScanParameterBlock {
    uint8_t mode = 0;           // 0: 0 black and white, 1 grey, 3 colour
    uint8_t bitsPerSample = 0;  // 1: 1 for black and white, 8 otherwise
    uint8_t fixed2 = 2;         // 2
    uint8_t source = 0;         // 3: 1 flatbed, 0 sheet feeder
    uint8_t colourLayout = 0;   // 4: 2 for colour, 0 otherwise
    int8_t brightness = 0;      // 5
    uint8_t reserved6 = 0;      // 6
    uint8_t reserved7 = 0;      // 7
    int8_t red = 0;             // 8
    int8_t green = 0;           // 9
    int8_t blue = 0;            // 10
    uint8_t bwMode = 0;         // 11: 2 for black and white, 0 otherwise
    uint16_t xResolution = 0;   // 12, dots per inch
    uint16_t yResolution = 0;   // 14
    uint16_t left = 0;          // 16, pixels at the resolution
    uint16_t right = 0;         // 18
    uint16_t top = 0;           // 20
    uint16_t bottom = 0;        // 22
    uint8_t fixed24 = 0;        // 24
    uint8_t fixed25 = 2;        // 25

    bool operator==(const ScanParameterBlock&) const = default;
};

// Multi-byte fields little-endian.
std::array<uint8_t, kScanParameterBlockSize> EncodeBlock(const ScanParameterBlock& block);
ScanParameterBlock DecodeBlock(std::span<const uint8_t, kScanParameterBlockSize> bytes);

}  // namespace z8
