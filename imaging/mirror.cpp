#include "imaging/mirror.h"

#include <algorithm>
#include <cstring>

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
    // Both pixels are loaded before either is stored: the compiler need not
    // fear that the two overlap, which halves the time of byte swaps.
    for (std::uint8_t *l = row, *r = row + 3 * (width - 1); l < r; l += 3, r -= 3) {
        const std::uint8_t l0 = l[0], l1 = l[1], l2 = l[2];
        const std::uint8_t r0 = r[0], r1 = r[1], r2 = r[2];
        l[0] = r0;
        l[1] = r1;
        l[2] = r2;
        r[0] = l0;
        r[1] = l1;
        r[2] = l2;
    }
}

// Block copies through a small buffer on the stack: several times faster
// than swapping byte by byte, and no allocation that could fail.
void SwapRows(std::uint8_t* a, std::uint8_t* b, std::size_t n) {
    std::uint8_t buffer[4096];
    for (std::size_t done = 0; done < n; done += sizeof buffer) {
        const std::size_t chunk = std::min(sizeof buffer, n - done);
        std::memcpy(buffer, a + done, chunk);
        std::memcpy(a + done, b + done, chunk);
        std::memcpy(b + done, buffer, chunk);
    }
}

}  // namespace

void Mirror(Image& image, bool aboutHorizontalAxis, bool aboutVerticalAxis) {
    const std::int32_t h = image.Height();
    const std::size_t bpl = image.BytesPerLine();
    if (aboutHorizontalAxis) {
        for (std::int32_t top = 0, bottom = h - 1; top < bottom; ++top, --bottom)
            SwapRows(image.Row(top), image.Row(bottom), bpl);
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
