#include "imaging/dib_format.h"

namespace z8 {

std::optional<DibLayout> ParseDib(const std::uint8_t* data, std::size_t size,
                                  std::optional<std::size_t> pixelOffset) {
    if (!data || size < kInfoHeaderSize)
        return std::nullopt;
    const std::uint32_t headerSize = ReadLe32(data);
    // BITMAPINFOHEADER and its V2..V5 successors; the 12-byte core header
    // of OS/2 bitmaps is not produced by anything we read.
    if (headerSize < kInfoHeaderSize || headerSize > size || headerSize > 4096)
        return std::nullopt;

    const auto width = static_cast<std::int32_t>(ReadLe32(data + 4));
    const auto height = static_cast<std::int32_t>(ReadLe32(data + 8));
    const std::uint16_t planes = ReadLe16(data + 12);
    const std::uint16_t bitCount = ReadLe16(data + 14);
    const std::uint32_t compression = ReadLe32(data + 16);
    const std::uint32_t clrUsed = ReadLe32(data + 32);
    if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1 || compression != kBiRgb)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 8 && bitCount != 24)
        return std::nullopt;

    DibLayout layout;
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    layout.bitCount = bitCount;
    layout.headerSize = headerSize;
    layout.xPelsPerMeter = static_cast<std::int32_t>(ReadLe32(data + 24));
    layout.yPelsPerMeter = static_cast<std::int32_t>(ReadLe32(data + 28));

    // A true-colour image may carry an optional table for palette displays;
    // it is skipped, never larger than an 8-bit one.
    const std::uint32_t full = bitCount == 24 ? 256 : FullPaletteEntries(bitCount);
    if (clrUsed > full)
        return std::nullopt;
    layout.paletteEntries = clrUsed != 0 ? clrUsed : FullPaletteEntries(bitCount);

    const std::uint64_t tableEnd = std::uint64_t{headerSize} + 4ull * layout.paletteEntries;
    const std::uint64_t pixels = pixelOffset ? std::uint64_t{*pixelOffset} : tableEnd;
    if (pixels < tableEnd)
        return std::nullopt;
    const std::uint64_t rowBytes = PaddedRowBytes(static_cast<std::uint64_t>(width), bitCount);
    const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(layout.height);
    if (pixelBytes > kMaxDibBytes || pixels + pixelBytes > size)
        return std::nullopt;
    layout.pixelOffset = static_cast<std::size_t>(pixels);
    layout.bytesPerLine = static_cast<std::size_t>(rowBytes);
    layout.pixelBytes = static_cast<std::size_t>(pixelBytes);
    return layout;
}

}  // namespace z8
