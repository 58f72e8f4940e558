#include "imaging/mirror.h"

#include <algorithm>
#include <utility>

namespace z8 {

namespace {

void ReverseBits(std::uint8_t* row, std::int32_t width) {
    auto bit = [row](std::int32_t x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; };
    auto set = [row](std::int32_t x, int v) {
        const auto m = static_cast<std::uint8_t>(0x80 >> (x & 7));
        row[x >> 3] = static_cast<std::uint8_t>(v ? row[x >> 3] | m : row[x >> 3] & ~m);
    };
    for (std::int32_t l = 0, r = width - 1; l < r; ++l, --r) {
        const int a = bit(l), b = bit(r);
        if (a != b) {
            set(l, b);
            set(r, a);
        }
    }
}

void ReverseTriples(std::uint8_t* row, std::int32_t width) {
    for (std::int32_t l = 0, r = width - 1; l < r; ++l, --r) {
        std::swap_ranges(row + 3 * l, row + 3 * l + 3, row + 3 * r);
    }
}

}  // namespace

void Mirror(Image& image, bool aboutHorizontalAxis, bool aboutVerticalAxis) {
    const std::int32_t h = image.Height();
    const std::size_t bpl = image.BytesPerLine();
    if (aboutHorizontalAxis) {
        for (std::int32_t top = 0, bottom = h - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(image.Row(top), image.Row(top) + bpl, image.Row(bottom));
    }
    if (aboutVerticalAxis) {
        const std::int32_t w = image.Width();
        for (std::int32_t r = 0; r < h; ++r) {
            std::uint8_t* row = image.Row(r);
            switch (image.BitCount()) {
                case 24:
                    ReverseTriples(row, w);
                    break;
                case 8:
                    std::reverse(row, row + w);
                    break;
                default:
                    ReverseBits(row, w);
                    break;
            }
        }
    }
}

}  // namespace z8
