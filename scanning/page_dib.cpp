#include "scanning/page_dib.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <tmmintrin.h>
#define Z8_SHUFFLE_BYTES 1
#endif

namespace z8 {
namespace {

constexpr uint32_t kInfoHeaderBytes = 40;

void Put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

int32_t PelsPerMeter(int dpi) {
    return static_cast<int32_t>(dpi * 100 * 0.39370078740157477);
}

// Eight bytes, the first in the lowest bits, as one little-endian word.
uint64_t Word(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5, uint8_t b6,
              uint8_t b7) {
    return uint64_t{b0} | uint64_t{b1} << 8 | uint64_t{b2} << 16 | uint64_t{b3} << 24 |
           uint64_t{b4} << 32 | uint64_t{b5} << 40 | uint64_t{b6} << 48 | uint64_t{b7} << 56;
}

#ifdef Z8_SHUFFLE_BYTES
// Which byte of a 16-pixel plane lands at each byte of the three 16-byte
// blocks of blue-green-red output (0x80: none, the byte is zero).
using ShuffleMasks = std::array<std::array<std::array<uint8_t, 16>, 3>, 3>;  // [block][channel]
constexpr ShuffleMasks MakeShuffleMasks() {
    ShuffleMasks masks{};
    for (int block = 0; block < 3; ++block) {
        for (int channel = 0; channel < 3; ++channel) {
            for (int j = 0; j < 16; ++j) {
                const int at = 16 * block + j;
                masks[block][channel][j] =
                    at % 3 == channel ? static_cast<uint8_t>(at / 3) : uint8_t{0x80};
            }
        }
    }
    return masks;
}

// Sixteen pixels a turn with byte shuffles; returns the pixels done. Only
// called where the processor has them (every x86 processor of the last
// fifteen years), chosen once at run time.
__attribute__((target("ssse3"))) size_t InterleaveWithShuffles(uint8_t* out, const uint8_t* red,
                                                               const uint8_t* green,
                                                               const uint8_t* blue, size_t width) {
    static constexpr ShuffleMasks kMasks = MakeShuffleMasks();
    const auto load = [](const uint8_t* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    };
    __m128i masks[3][3];
    for (int block = 0; block < 3; ++block) {
        for (int channel = 0; channel < 3; ++channel) {
            masks[block][channel] = load(kMasks[block][channel].data());
        }
    }
    size_t x = 0;
    for (; x + 16 <= width; x += 16, out += 48) {
        const __m128i planes[3] = {load(blue + x), load(green + x), load(red + x)};
        for (int block = 0; block < 3; ++block) {
            const __m128i bytes =
                _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(planes[0], masks[block][0]),
                                          _mm_shuffle_epi8(planes[1], masks[block][1])),
                             _mm_shuffle_epi8(planes[2], masks[block][2]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * block), bytes);
        }
    }
    return x;
}

// Asked once, when the library is loaded rather than at first use: the guard
// of a function-local static costs the source a thread handle at each load.
const bool kHasByteShuffles = (__builtin_cpu_init(), __builtin_cpu_supports("ssse3"));
#endif

void CopyColourRow(uint8_t* out, const uint8_t* line, uint32_t lineLength, uint32_t width) {
    const uint8_t* red = line;
    const uint8_t* green = line + lineLength / 3;
    const uint8_t* blue = line + 2 * (lineLength / 3);
    size_t x = 0;
#ifdef Z8_SHUFFLE_BYTES
    if (kHasByteShuffles) {
        x = InterleaveWithShuffles(out, red, green, blue, width);
        out += 3 * x;
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        // Eight pixels a turn as three 8-byte stores instead of 24 byte
        // stores: the stores are what the byte loop waits on.
        for (; x + 8 <= width; x += 8, out += 24) {
            const uint8_t* r = red + x;
            const uint8_t* g = green + x;
            const uint8_t* b = blue + x;
            const uint64_t w0 = Word(b[0], g[0], r[0], b[1], g[1], r[1], b[2], g[2]);
            const uint64_t w1 = Word(r[2], b[3], g[3], r[3], b[4], g[4], r[4], b[5]);
            const uint64_t w2 = Word(g[5], r[5], b[6], g[6], r[6], b[7], g[7], r[7]);
            std::memcpy(out, &w0, 8);
            std::memcpy(out + 8, &w1, 8);
            std::memcpy(out + 16, &w2, 8);
        }
    }
    for (; x < width; ++x, out += 3) {
        out[0] = blue[x];
        out[1] = green[x];
        out[2] = red[x];
    }
}

void CopyInvertedRow(uint8_t* out, const uint8_t* line, uint32_t bytes) {
    for (uint32_t i = 0; i < bytes; ++i)
        out[i] = static_cast<uint8_t>(~line[i]);
}

}  // namespace

std::optional<PixelKind> PixelKindOfMode(uint8_t mode) {
    switch (mode) {
        case 0:
            return PixelKind::BlackWhite;
        case 1:
            return PixelKind::Grey;
        case 3:
            return PixelKind::Colour;
        default:
            return std::nullopt;
    }
}

uint32_t PageLayout::MinimumLineLength() const {
    return kind == PixelKind::Colour ? 3 * width : pixelBytesPerRow;
}

std::optional<PageLayout> PlanPage(const ScanParameterBlock& geometry, PixelKind kind, bool preview,
                                   int xDpi, int yDpi) {
    if (geometry.right <= geometry.left || geometry.bottom <= geometry.top) return std::nullopt;
    PageLayout layout;
    layout.kind = kind;
    layout.width = uint32_t{geometry.right} - geometry.left;
    layout.height = uint32_t{geometry.bottom} - geometry.top;
    switch (kind) {
        case PixelKind::BlackWhite:
            layout.bitCount = 1;
            layout.pixelBytesPerRow = (layout.width + 7) / 8;
            layout.headerBytes = kInfoHeaderBytes + 2 * 4;
            layout.bottomUp = false;
            break;
        case PixelKind::Grey:
            layout.bitCount = 8;
            layout.pixelBytesPerRow = layout.width;
            layout.headerBytes = kInfoHeaderBytes + 256 * 4;
            layout.bottomUp = preview;
            break;
        case PixelKind::Colour:
            layout.bitCount = 24;
            layout.pixelBytesPerRow = 3 * layout.width;
            layout.headerBytes = kInfoHeaderBytes;
            layout.bottomUp = true;
            break;
    }
    layout.bytesPerLine = (layout.pixelBytesPerRow + 3) / 4 * 4;
    layout.imageBytes = uint64_t{layout.bytesPerLine} * layout.height;
    layout.totalBytes = layout.headerBytes + layout.imageBytes;
    if (layout.totalBytes > kMaxPageBytes) return std::nullopt;
    layout.xPelsPerMeter = PelsPerMeter(xDpi);
    layout.yPelsPerMeter = PelsPerMeter(yDpi);
    return layout;
}

void WriteDibHeader(std::span<uint8_t> dib, const PageLayout& layout) {
    uint8_t* h = dib.data();
    std::memset(h, 0, layout.headerBytes);
    Put32(h, kInfoHeaderBytes);
    Put32(h + 4, layout.width);
    Put32(h + 8, layout.height);
    Put16(h + 12, 1);
    Put16(h + 14, layout.bitCount);
    Put32(h + 24, static_cast<uint32_t>(layout.xPelsPerMeter));
    Put32(h + 28, static_cast<uint32_t>(layout.yPelsPerMeter));
    uint8_t* table = h + kInfoHeaderBytes;
    if (layout.kind == PixelKind::BlackWhite) {
        std::memset(table + 4, 255, 3);
    } else if (layout.kind == PixelKind::Grey) {
        for (int i = 0; i < 256; ++i)
            std::memset(table + 4 * i, i, 3);
    }
    std::memset(h + layout.headerBytes, 0xFF, layout.imageBytes);
}

bool CopyBand(const PageLayout& layout, std::span<uint8_t> pixels, uint32_t firstRow,
              const Band& band) {
    if (band.lineLength < layout.MinimumLineLength()) return false;
    const uint32_t padding = layout.bytesPerLine - layout.pixelBytesPerRow;
    const uint32_t rows = firstRow >= layout.height
                              ? 0
                              : std::min<uint32_t>(band.lineCount, layout.height - firstRow);
    for (uint32_t k = 0; k < rows; ++k) {
        const uint32_t r = firstRow + k;
        const uint32_t row = layout.bottomUp ? layout.height - r - 1 : r;
        uint8_t* out = pixels.data() + uint64_t{row} * layout.bytesPerLine;
        const uint8_t* line = band.lines.data() + uint64_t{k} * band.lineLength;
        if (layout.kind == PixelKind::Colour) {
            CopyColourRow(out, line, band.lineLength, layout.width);
        } else {
            CopyInvertedRow(out, line, layout.pixelBytesPerRow);
        }
        std::memset(out + layout.pixelBytesPerRow, 0, padding);
    }
    return true;
}

}  // namespace z8
