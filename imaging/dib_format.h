#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

namespace z8 {

// The on-disk and in-memory layouts of device-independent bitmaps: a 40-byte
// info header, a colour table of RGBQUAD entries, then rows padded to 4 bytes,
// the bottom row first when the height is positive.
inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kBiRgb = 0;
// Whole DIBs stay within what the 32-bit size fields of BMP files and TWAIN
// handles can describe, with room for the file header.
inline constexpr std::uint64_t kMaxDibBytes = 0x7FFFFFFF;

struct RgbQuad {
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
    std::uint8_t reserved;
    bool operator==(const RgbQuad&) const = default;
};
static_assert(sizeof(RgbQuad) == 4);

// Grey level of a colour (ITU-R BT.601 weights, which sum to 256).
inline std::uint8_t Luminance(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint8_t>((77u * red + 150u * green + 29u * blue + 128u) >> 8);
}
inline std::uint8_t Luminance(RgbQuad c) {
    return Luminance(c.red, c.green, c.blue);
}

// Bytes of one row of pixels padded to 4 bytes; 64-bit so no width wraps.
inline std::uint64_t PaddedRowBytes(std::uint64_t width, unsigned bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// Entries of the colour table an image of this depth always carries here.
inline std::uint32_t FullPaletteEntries(unsigned bitCount) {
    return bitCount <= 8 ? 1u << bitCount : 0u;
}

// What a DIB's header says, checked against the bytes that hold it. Offsets
// count from the start of the info header.
struct DibLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;  // always positive
    bool topDown = false;     // the header's height was negative
    std::uint16_t bitCount = 0;
    std::uint32_t paletteEntries = 0;  // entries stored in the colour table
    std::size_t headerSize = 0;
    std::size_t pixelOffset = 0;
    std::size_t bytesPerLine = 0;
    std::size_t pixelBytes = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
};

// Reads and checks the DIB whose info header starts at data, with size bytes
// available from there. pixelOffset is where a BMP file's header puts the
// pixels; without it they follow the colour table (a packed DIB). Accepts
// uncompressed 1-, 8- and 24-bit images with any of the Windows info header
// versions (40 bytes up to 4 KiB); anything else, or any part lying beyond
// size, gives nothing.
std::optional<DibLayout> ParseDib(const std::uint8_t* data, std::size_t size,
                                  std::optional<std::size_t> pixelOffset = std::nullopt);

// Little-endian fields at any alignment.
inline std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline void WriteLe16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void WriteLe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace z8
