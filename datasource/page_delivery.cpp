#include "datasource/page_delivery.h"

#include <algorithm>
#include <cstring>

#include "datasource/row_swap.h"
#include "imaging/dib_format.h"

namespace z8 {

void CopyStrip(const AcquiredPage& page, uint32_t first, uint32_t count, uint8_t* to) {
    const Image& image = *page.image;
    const size_t line = image.BytesPerLine();
    const bool colour = image.BitCount() == 24;
    const bool bottomUp = page.layout.bottomUp;
    // The strip's rows lie together in memory, reversed in a bottom-up page:
    // they are read forwards, where memory is fastest, and land in place.
    const auto height = static_cast<uint32_t>(image.Height());
    const uint32_t lowest = bottomUp ? height - first - count : first;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* from = image.Row(static_cast<int32_t>(lowest + i));
        uint8_t* out = to + size_t{bottomUp ? count - 1 - i : i} * line;
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
