#include "datasource/page_delivery.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "platform/global_memory_table.h"

namespace z8 {
namespace {

TEST(PageDelivery, RedAndBlueChangePlacesInEveryWholeGroupPaddingIncluded) {
    // Lengths around the 24-byte blocks and the tails of one or two bytes.
    for (size_t bytes : {0, 1, 2, 3, 12, 23, 24, 25, 26, 27, 47, 48, 49, 100, 7440}) {
        std::vector<uint8_t> from(bytes);
        std::iota(from.begin(), from.end(), uint8_t{1});
        std::vector<uint8_t> to(bytes + 8, 0xEE);
        CopyRowSwappingRedAndBlue(from.data(), to.data(), bytes);
        for (size_t i = 0; i < bytes; ++i) {
            const size_t group = i - i % 3;
            const bool whole = group + 3 <= bytes;
            const size_t source = whole ? group + 2 - i % 3 : i;
            ASSERT_EQ(to[i], from[source]) << bytes << " bytes, byte " << i;
        }
        EXPECT_EQ(to[bytes], 0xEE) << "nothing written past the row";
    }
    // Three pixels and three padding bytes: offset 9 is a group too.
    const uint8_t row[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    uint8_t out[12];
    CopyRowSwappingRedAndBlue(row, out, 12);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 12),
              (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

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
