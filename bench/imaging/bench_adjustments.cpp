// Point adjustments over a whole A4 colour page, against copying the same
// bytes with memcpy: the cost of one pass over the pixels, and of the scan's
// chain of them carried out step by step and composed into one pass.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "imaging/adjustments.h"
#include "imaging/filters.h"
#include "imaging/mirror.h"
#include "imaging/point_operations.h"
#include "platform/global_memory_table.h"

using namespace z8;

int main() {
    GlobalMemoryTable memory;
    auto page = bench::A4Page(memory);
    if (!page) return 1;
    const std::size_t bytes = page->BytesPerLine() * static_cast<std::size_t>(page->Height());
    std::vector<std::uint8_t> copy(bytes);
    const double memcpyMs =
        bench::BestMilliseconds(7, [&] { std::memcpy(copy.data(), page->Pixels(), bytes); });
    std::printf("page 2480 x 3508 x 24 bits, %zu bytes; memcpy %.2f ms\n", bytes, memcpyMs);

    // Every run starts from the photograph: a table pass over levels that
    // earlier runs have pushed to the extremes would find its look-ups all
    // in the cache.
    const std::vector<std::uint8_t> photograph(page->Pixels(), page->Pixels() + bytes);
    auto measure = [&](const char* what, auto&& operation) {
        double best = 1e300;
        for (int run = 0; run < 5; ++run) {
            std::memcpy(page->Pixels(), photograph.data(), bytes);
            best = std::min(best, bench::BestMilliseconds(1, operation));
        }
        bench::Report(what, best, "memcpy", memcpyMs);
    };
    measure("brightness +20", [&] { AdjustBrightness(*page, 20); });
    measure("contrast (intensity 50, mask 7)",
            [&] { AdjustChannelIntensity(*page, 50, kMidGreyPivot, kAllChannels); });
    measure("red correction (intensity, mask 4)",
            [&] { AdjustChannelIntensity(*page, 30, kMidGreyPivot, kChannelRed); });
    measure("gamma 2.2", [&] { ApplyGamma(*page, 22); });
    measure("invert", [&] { InvertColours(*page); });
    measure("mirror about the horizontal axis", [&] { Mirror(*page, true, false); });
    measure("mirror about the vertical axis", [&] { Mirror(*page, false, true); });
    AdjustmentSettings settings;
    settings.contrast = TW_FIX32{1, 0};
    settings.gamma = TW_FIX32{2, 13107};
    settings.invert = 1;
    // The steps these settings ask for: contrast 1 is intensity 25, gamma 2.2
    // as TWAIN stores it is 21.
    measure("scan chain step by step (3 passes)", [&] {
        AdjustChannelIntensity(*page, 25, kMidGreyPivot, kAllChannels);
        ApplyGamma(*page, 21);
        InvertColours(*page);
    });
    measure("scan chain in one pass", [&] { ApplyScanAdjustments(*page, settings); });
    measure("sharpen filter", [&] { ApplyFilter(*page, ImageFilter::Sharpen); });
    measure("descreen filter", [&] { ApplyFilter(*page, ImageFilter::Descreen); });
    return 0;
}
