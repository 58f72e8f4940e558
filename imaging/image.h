#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "imaging/dib_format.h"
#include "platform/global_memory.h"

namespace z8 {

// What the bitmap header of an image tells its users.
struct ImageHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::size_t bytesPerLine = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
};

// A whole image in memory: 1, 8 or 24 bits per pixel, rows padded to 4 bytes
// in DIB order (memory row 0 is the bottom row of the picture), with a full
// colour table for 1-bit (2 entries) and 8-bit (256 entries) images.
//
// The image lives as a packed DIB (40-byte header, colour table, pixels) in a
// moveable global block that it keeps locked for its whole life, so a DIB
// built by the scanner becomes an image without a copy and leaves as one with
// a single copy. 8-bit pixels are grey levels to every operation; the colour
// table travels with them. The global memory an image comes from must
// outlive it.
class Image {
public:
    // An image of the given size with every pixel byte 0, a black-then-white
    // table for 1 bit and a grey ramp for 8 bits. Nothing when the size is
    // not positive, does not fit a DIB or the memory cannot be had.
    static std::unique_ptr<Image> Create(GlobalMemory& memory, std::int32_t width,
                                         std::int32_t height, std::uint16_t bitCount);
    // An image from a packed DIB in a moveable block. On success the block
    // belongs to the image (kept, or freed once copied); on failure (nothing
    // returned) it is left untouched and still the caller's.
    static std::unique_ptr<Image> FromPackedDib(GlobalMemory& memory, GlobalHandle block);
    // An image copied from a checked DIB (rows flipped to bottom-up, colour
    // table completed with black entries).
    static std::unique_ptr<Image> FromLayout(GlobalMemory& memory, const std::uint8_t* dib,
                                             const DibLayout& layout);

    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // A new global block holding this image as a packed DIB, which the
    // receiver frees; null when the memory cannot be had.
    GlobalHandle ExportPackedDib() const;
    // A new image in the same memory with this one's resolution and, when the
    // depth is the same, its colour table; pixels zeroed. What the operations
    // that make images start from.
    std::unique_ptr<Image> CreateLike(std::int32_t width, std::int32_t height,
                                      std::uint16_t bitCount) const;

    ImageHeader Header() const;
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::uint16_t BitCount() const { return bitCount_; }
    std::size_t BytesPerLine() const { return bytesPerLine_; }
    // Bytes of a row that hold pixels (the rest is padding).
    std::size_t PixelBytesPerRow() const {
        return (static_cast<std::size_t>(width_) * bitCount_ + 7) / 8;
    }
    // The first row in memory (the bottom row); rows are BytesPerLine apart.
    std::uint8_t* Pixels() { return base_ + pixelOffset_; }
    const std::uint8_t* Pixels() const { return base_ + pixelOffset_; }
    std::uint8_t* Row(std::int32_t memoryRow) {
        return Pixels() + static_cast<std::size_t>(memoryRow) * bytesPerLine_;
    }
    const std::uint8_t* Row(std::int32_t memoryRow) const {
        return Pixels() + static_cast<std::size_t>(memoryRow) * bytesPerLine_;
    }
    // The whole packed DIB: header, colour table, pixels.
    std::span<const std::uint8_t> PackedDib() const { return {base_, TotalBytes()}; }
    // The colour table: 2 entries for 1 bit, 256 for 8 bits, none for 24.
    std::span<RgbQuad> Palette();
    std::span<const RgbQuad> Palette() const;

    void SetResolution(std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter);
    GlobalMemory& Memory() const { return *memory_; }

private:
    Image(GlobalMemory& memory, GlobalHandle block, std::uint8_t* base, const DibLayout& layout);
    std::size_t TotalBytes() const { return pixelOffset_ + bytesPerLine_ * height_; }

    GlobalMemory* memory_;
    GlobalHandle block_;
    std::uint8_t* base_;
    std::int32_t width_;
    std::int32_t height_;
    std::uint16_t bitCount_;
    std::size_t bytesPerLine_;
    std::size_t pixelOffset_;
};

}  // namespace z8
