#include "datasource/page_delivery.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/global_memory_table.h"

namespace z8 {
namespace {

// A 2 x 3 page whose memory row r holds r + 1 in every byte.
AcquiredPage NumberedPage(GlobalMemory& memory, uint16_t bits, bool bottomUp) {
    AcquiredPage page;
    page.image = Image::Create(memory, 2, 3, bits);
    page.layout.bottomUp = bottomUp;
    for (int32_t r = 0; r < 3; ++r)
        std::fill_n(page.image->Row(r), page.image->BytesPerLine(), static_cast<uint8_t>(r + 1));
    return page;
}

TEST(PageDelivery, StripsComeTopRowFirstAndTheDibBottomRowFirst) {
    GlobalMemoryTable memory;
    for (bool bottomUp : {true, false}) {
        SCOPED_TRACE(bottomUp ? "bottom-up page" : "page in scan order");
        const AcquiredPage page = NumberedPage(memory, 8, bottomUp);
        const size_t line = page.image->BytesPerLine();
        std::vector<uint8_t> strip(2 * line);
        CopyStrip(page, 1, 2, strip.data());
        // Scanned rows 1 and 2.
        EXPECT_EQ(strip[0], 2);
        EXPECT_EQ(strip[line], bottomUp ? 1 : 3);

        const GlobalHandle dib = ExportPageDib(page);
        ASSERT_NE(dib, nullptr);
        const auto* pixels = static_cast<const uint8_t*>(memory.Lock(dib)) + 40 + 1024;
        // The DIB's first row is the last scanned.
        EXPECT_EQ(pixels[0], bottomUp ? 1 : 3);
        EXPECT_EQ(pixels[2 * line], bottomUp ? 3 : 1);
        memory.Unlock(dib);
        memory.Free(dib);
        EXPECT_EQ(page.image->Row(0)[0], 1) << "the page itself is not turned over";
    }
}

}  // namespace
}  // namespace z8
