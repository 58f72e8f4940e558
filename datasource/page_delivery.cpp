#include "datasource/page_delivery.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "imaging/dib_format.h"

namespace z8 {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the word-wide exchange reads pixels as little-endian words");

// Eight pixels (24 bytes, three words) at a time. Seen as one 192-bit
// number, byte j of the result is byte j + 2 (j a multiple of 3), byte j
// (j one past) or byte j - 2 (j two past): the number shifted right or left
// by 16 bits, or itself, under three byte masks that take turns by word.
constexpr uint64_t kFirst = 0x00FF0000FF0000FFull;   // bytes 0, 3, 6
constexpr uint64_t kSecond = 0xFF0000FF0000FF00ull;  // bytes 1, 4, 7
constexpr uint64_t kThird = 0x0000FF0000FF0000ull;   // bytes 2, 5

void SwapEightPixels(const uint8_t* from, uint8_t* to) {
    uint64_t w[3];
    std::memcpy(w, from, sizeof w);
    const uint64_t right0 = (w[0] >> 16) | (w[1] << 48);
    const uint64_t right1 = (w[1] >> 16) | (w[2] << 48);
    const uint64_t right2 = w[2] >> 16;
    const uint64_t left0 = w[0] << 16;
    const uint64_t left1 = (w[1] << 16) | (w[0] >> 48);
    const uint64_t left2 = (w[2] << 16) | (w[1] >> 48);
    const uint64_t out[3] = {
        (w[0] & kSecond) | (right0 & kFirst) | (left0 & kThird),
        (w[1] & kThird) | (right1 & kSecond) | (left1 & kFirst),
        (w[2] & kFirst) | (right2 & kThird) | (left2 & kSecond),
    };
    std::memcpy(to, out, sizeof out);
}

}  // namespace

void CopyRowSwappingRedAndBlue(const uint8_t* from, uint8_t* to, size_t bytes) {
    size_t i = 0;
    for (; i + 24 <= bytes; i += 24)
        SwapEightPixels(from + i, to + i);
    for (; i + 3 <= bytes; i += 3) {
        to[i] = from[i + 2];
        to[i + 1] = from[i + 1];
        to[i + 2] = from[i];
    }
    for (; i < bytes; ++i)
        to[i] = from[i];
}

void CopyStrip(const AcquiredPage& page, uint32_t first, uint32_t count, uint8_t* to) {
    const Image& image = *page.image;
    const size_t line = image.BytesPerLine();
    const bool colour = image.BitCount() == 24;
    for (uint32_t i = 0; i < count; ++i) {
        const auto row = static_cast<int32_t>(first + i);
        const int32_t memoryRow = page.layout.bottomUp ? image.Height() - 1 - row : row;
        const uint8_t* from = image.Row(memoryRow);
        uint8_t* out = to + size_t{i} * line;
        if (colour) {
            CopyRowSwappingRedAndBlue(from, out, line);
        } else {
            std::memcpy(out, from, line);
        }
    }
}

GlobalHandle ExportPageDib(const AcquiredPage& page) {
    const Image& image = *page.image;
    GlobalHandle dib = image.ExportPackedDib();
    if (dib == nullptr || page.layout.bottomUp) return dib;
    GlobalMemory& memory = image.Memory();
    auto* base = static_cast<uint8_t*>(memory.Lock(dib));
    if (base == nullptr) {
        memory.Free(dib);
        return nullptr;
    }
    uint8_t* pixels = base + kInfoHeaderSize + 4 * size_t{FullPaletteEntries(image.BitCount())};
    const size_t line = image.BytesPerLine();
    const size_t height = static_cast<size_t>(image.Height());
    for (size_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pixels + top * line, pixels + (top + 1) * line, pixels + bottom * line);
    memory.Unlock(dib);
    return dib;
}

}  // namespace z8
