#include "imaging/image.h"

#include <algorithm>

namespace z8 {

namespace {

void WriteInfoHeader(std::uint8_t* p, const DibLayout& layout) {
    std::fill(p, p + kInfoHeaderSize, std::uint8_t{0});
    WriteLe32(p, kInfoHeaderSize);
    WriteLe32(p + 4, static_cast<std::uint32_t>(layout.width));
    WriteLe32(p + 8, static_cast<std::uint32_t>(layout.height));
    WriteLe16(p + 12, 1);
    WriteLe16(p + 14, layout.bitCount);
    WriteLe32(p + 16, kBiRgb);
    WriteLe32(p + 20, static_cast<std::uint32_t>(layout.pixelBytes));
    WriteLe32(p + 24, static_cast<std::uint32_t>(layout.xPelsPerMeter));
    WriteLe32(p + 28, static_cast<std::uint32_t>(layout.yPelsPerMeter));
    // biClrUsed 0: the table is always full for the depth.
}

// The layout of a canonical packed DIB of this size, or nothing when it does
// not fit.
std::optional<DibLayout> CanonicalLayout(std::int32_t width, std::int32_t height,
                                         std::uint16_t bitCount) {
    if (width <= 0 || height <= 0 || (bitCount != 1 && bitCount != 8 && bitCount != 24))
        return std::nullopt;
    const std::uint64_t rowBytes = PaddedRowBytes(static_cast<std::uint64_t>(width), bitCount);
    const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(height);
    const std::uint32_t entries = FullPaletteEntries(bitCount);
    const std::uint64_t offset = kInfoHeaderSize + 4ull * entries;
    if (offset + pixelBytes > kMaxDibBytes || offset + pixelBytes > SIZE_MAX)
        return std::nullopt;
    DibLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.paletteEntries = entries;
    layout.headerSize = kInfoHeaderSize;
    layout.pixelOffset = static_cast<std::size_t>(offset);
    layout.bytesPerLine = static_cast<std::size_t>(rowBytes);
    layout.pixelBytes = static_cast<std::size_t>(pixelBytes);
    return layout;
}

bool IsCanonical(const DibLayout& layout) {
    return layout.headerSize == kInfoHeaderSize && !layout.topDown &&
           layout.paletteEntries == FullPaletteEntries(layout.bitCount) &&
           layout.pixelOffset == kInfoHeaderSize + 4u * layout.paletteEntries &&
           layout.pixelOffset + std::uint64_t{layout.pixelBytes} <= kMaxDibBytes;
}

}  // namespace

Image::Image(GlobalMemory& memory, GlobalHandle block, std::uint8_t* base, const DibLayout& layout)
    : memory_(&memory),
      block_(block),
      base_(base),
      width_(layout.width),
      height_(layout.height),
      bitCount_(layout.bitCount),
      bytesPerLine_(layout.bytesPerLine),
      pixelOffset_(layout.pixelOffset) {}

Image::~Image() {
    memory_->Unlock(block_);
    memory_->Free(block_);
}

std::unique_ptr<Image> Image::Create(GlobalMemory& memory, std::int32_t width, std::int32_t height,
                                     std::uint16_t bitCount) {
    const auto layout = CanonicalLayout(width, height, bitCount);
    if (!layout)
        return nullptr;
    GlobalHandle block = memory.Allocate(layout->pixelOffset + layout->pixelBytes);
    if (!block)
        return nullptr;
    auto* base = static_cast<std::uint8_t*>(memory.Lock(block));
    if (!base) {
        memory.Free(block);
        return nullptr;
    }
    WriteInfoHeader(base, *layout);
    auto* table = base + kInfoHeaderSize;
    for (std::uint32_t i = 0; i < layout->paletteEntries; ++i) {
        const auto level = static_cast<std::uint8_t>(i * 255 / (layout->paletteEntries - 1));
        table[4 * i] = table[4 * i + 1] = table[4 * i + 2] = level;
    }
    return std::unique_ptr<Image>(new Image(memory, block, base, *layout));
}

std::unique_ptr<Image> Image::FromLayout(GlobalMemory& memory, const std::uint8_t* dib,
                                         const DibLayout& layout) {
    auto image = Create(memory, layout.width, layout.height, layout.bitCount);
    if (!image)
        return nullptr;
    auto palette = image->Palette();
    const auto* table = dib + layout.headerSize;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = i < layout.paletteEntries
                         ? RgbQuad{table[4 * i], table[4 * i + 1], table[4 * i + 2], 0}
                         : RgbQuad{0, 0, 0, 0};
    }
    const std::uint8_t* pixels = dib + layout.pixelOffset;
    for (std::int32_t r = 0; r < layout.height; ++r) {
        const std::int32_t from = layout.topDown ? layout.height - 1 - r : r;
        std::copy_n(pixels + static_cast<std::size_t>(from) * layout.bytesPerLine,
                    layout.bytesPerLine, image->Row(r));
    }
    image->SetResolution(layout.xPelsPerMeter, layout.yPelsPerMeter);
    return image;
}

std::unique_ptr<Image> Image::FromPackedDib(GlobalMemory& memory, GlobalHandle block) {
    const std::size_t size = memory.Size(block);
    auto* base = static_cast<std::uint8_t*>(memory.Lock(block));
    if (!base)
        return nullptr;
    const auto layout = ParseDib(base, size);
    if (!layout) {
        memory.Unlock(block);
        return nullptr;
    }
    if (IsCanonical(*layout)) {
        // Adopt the block as it is; the header is rewritten in its canonical
        // form (size of the pixels, full table) so an export copies it whole.
        WriteInfoHeader(base, *layout);
        return std::unique_ptr<Image>(new Image(memory, block, base, *layout));
    }
    auto image = FromLayout(memory, base, *layout);
    memory.Unlock(block);
    if (image)
        memory.Free(block);
    return image;
}

GlobalHandle Image::ExportPackedDib() const {
    GlobalHandle block = memory_->Allocate(TotalBytes());
    if (!block)
        return nullptr;
    auto* target = static_cast<std::uint8_t*>(memory_->Lock(block));
    if (!target) {
        memory_->Free(block);
        return nullptr;
    }
    std::copy_n(base_, TotalBytes(), target);
    memory_->Unlock(block);
    return block;
}

std::unique_ptr<Image> Image::CreateLike(std::int32_t width, std::int32_t height,
                                         std::uint16_t bitCount) const {
    auto image = Create(*memory_, width, height, bitCount);
    if (image && bitCount == bitCount_)
        std::ranges::copy(Palette(), image->Palette().begin());
    if (image)
        image->SetResolution(Header().xPelsPerMeter, Header().yPelsPerMeter);
    return image;
}

ImageHeader Image::Header() const {
    return ImageHeader{width_,
                       height_,
                       bitCount_,
                       bytesPerLine_,
                       static_cast<std::int32_t>(ReadLe32(base_ + 24)),
                       static_cast<std::int32_t>(ReadLe32(base_ + 28))};
}

std::span<RgbQuad> Image::Palette() {
    return {reinterpret_cast<RgbQuad*>(base_ + kInfoHeaderSize), FullPaletteEntries(bitCount_)};
}

std::span<const RgbQuad> Image::Palette() const {
    return {reinterpret_cast<const RgbQuad*>(base_ + kInfoHeaderSize),
            FullPaletteEntries(bitCount_)};
}

void Image::SetResolution(std::int32_t xPelsPerMeter, std::int32_t yPelsPerMeter) {
    WriteLe32(base_ + 24, static_cast<std::uint32_t>(xPelsPerMeter));
    WriteLe32(base_ + 28, static_cast<std::uint32_t>(yPelsPerMeter));
}

}  // namespace z8
