// The band copy of an A4 300-dpi colour page (2480 x 3508) from the scanner's
// red, green and blue planes into bottom-up BGR rows, in bands of 32 lines,
// against memcpy of the same bytes band by band.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/imaging/bench_support.h"
#include "scanning/page_dib.h"

using namespace z8;

int main() {
    constexpr uint32_t kBandLines = 32;
    ScanParameterBlock geometry;
    geometry.mode = 3;
    geometry.right = 2480;
    geometry.bottom = 3508;
    const auto layout = PlanPage(geometry, PixelKind::Colour, false, 300, 300);
    if (!layout) return 1;
    const uint32_t line = layout->MinimumLineLength();
    std::vector<uint8_t> planes(size_t{line} * layout->height);
    uint32_t state = 12345;
    for (uint8_t& byte : planes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    std::vector<uint8_t> pixels(layout->imageBytes);
    std::vector<uint8_t> copy(planes.size());

    // Every band as the engine meets it: lines of the planes, copied at the
    // page row they start.
    const auto bands = [&](auto&& each) {
        for (uint32_t row = 0; row < layout->height; row += kBandLines) {
            const auto lines = static_cast<uint16_t>(std::min(kBandLines, layout->height - row));
            each(row, Band{lines, line,
                           std::span<const uint8_t>(planes.data() + size_t{row} * line,
                                                    size_t{lines} * line)});
        }
    };
    bool copied = true;
    const double ours = bench::BestMilliseconds(10, [&] {
        bands([&](uint32_t row, const Band& band) {
            copied = CopyBand(*layout, pixels, row, band) && copied;
        });
    });
    const double theirs = bench::BestMilliseconds(10, [&] {
        bands([&](uint32_t row, const Band& band) {
            std::memcpy(copy.data() + size_t{row} * line, band.lines.data(), band.lines.size());
        });
    });
    if (!copied || copy != planes) {
        std::fprintf(stderr, "a band was not copied\n");
        return 1;
    }
    std::printf(
        "page %u x %u colour, %zu plane bytes in bands of %u lines (goal: ratio 2 or less)\n",
        layout->width, layout->height, planes.size(), kBandLines);
    bench::Report("band copy into BGR rows", ours, "memcpy of the same bytes", theirs);
    return 0;
}
