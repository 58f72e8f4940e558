#include "datasource/row_swap.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace z8 {
namespace {

TEST(RowSwap, RedAndBlueChangePlacesInEveryWholeGroupPaddingIncludedWhicheverWay) {
    for (RowSwap way : {RowSwap::Permute64, RowSwap::Shuffle32, RowSwap::Words}) {
        if (!RowSwapAvailable(way)) continue;
        SCOPED_TRACE(static_cast<int>(way));
        // Lengths around every way's step (24, 28, 48, 64 bytes) and tails of
        // one or two bytes; an A4 300-dpi colour row and its padded kin.
        for (size_t bytes : {0,  1,  2,  3,  12, 23, 24,  25,  26,  27,   28,   29,
                             47, 48, 49, 63, 64, 65, 111, 112, 113, 7440, 7441, 7442}) {
            std::vector<uint8_t> from(bytes);
            std::iota(from.begin(), from.end(), uint8_t{1});
            std::vector<uint8_t> to(bytes + 64, 0xEE);
            CopyRowSwappingRedAndBlue(way, from.data(), to.data(), bytes);
            for (size_t i = 0; i < bytes; ++i) {
                const size_t group = i - i % 3;
                const size_t source = group + 3 <= bytes ? group + 2 - i % 3 : i;
                ASSERT_EQ(to[i], from[source]) << bytes << " bytes, byte " << i;
            }
            for (size_t i = bytes; i < to.size(); ++i)
                ASSERT_EQ(to[i], 0xEE) << "written past " << bytes << " bytes";
        }
    }
    // Three pixels and three padding bytes: offset 9 is a group too.
    const uint8_t row[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    uint8_t out[12];
    CopyRowSwappingRedAndBlue(row, out, 12);
    EXPECT_EQ(std::vector<uint8_t>(out, out + 12),
              (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

}  // namespace
}  // namespace z8
