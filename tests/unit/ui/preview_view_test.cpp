#include "ui/preview_view.h"

#include <gtest/gtest.h>

#include "platform/global_memory_table.h"
#include "tests/unit/imaging/imaging_test_support.h"
#include "tests/unit/ui/fixed_paths.h"

namespace z8 {
namespace {

TEST(PreviewView, TheBoxShowsACopyAtItsSizeWithTheDisplayAdjustments) {
    GlobalMemoryTable memory;
    // A colour preview: red left half, blue right half.
    const auto preview = test::MakeImage(
        memory, 200, 100, 24, [](int x, int) { return x < 100 ? 0xFF0000u : 0x0000FFu; });
    ASSERT_NE(preview, nullptr);
    test::FixedPaths paths;
    CScanSettings settings(paths);

    struct Case {
        TW_UINT16 pixelType;
        std::uint16_t invert;
        int bitCount;
        // Pixels (1, 1) and (18, 1) of the 20 x 10 view.
        std::optional<std::uint32_t> left, right;
    };
    const Case cases[] = {
        {TWPT_RGB, 0, 24, 0xFF0000, 0x0000FF},
        {TWPT_RGB, 1, 24, 0x00FFFF, 0xFFFF00},
        {TWPT_GRAY, 0, 8, 77, 29},  // grey levels of red and blue
        {TWPT_BW, 0, 1, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixelType << " invert " << c.invert);
        settings.SetPixelType(c.pixelType);
        settings.SetInvert(c.invert);
        const auto view = AdjustedView(*preview, 20, 10, settings, DisplayMode::Preview);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->Width(), 20);
        EXPECT_EQ(view->Height(), 10);
        EXPECT_EQ(view->BitCount(), c.bitCount);
        if (c.left) {
            EXPECT_EQ(test::PixelAt(*view, 1, 1), *c.left);
        }
        if (c.right) {
            EXPECT_EQ(test::PixelAt(*view, 18, 1), *c.right);
        }
    }
    // A box without area shows nothing (a copy at 0 would be the whole picture).
    EXPECT_EQ(AdjustedView(*preview, 0, 10, settings, DisplayMode::Preview), nullptr);
    EXPECT_EQ(AdjustedView(*preview, 20, -1, settings, DisplayMode::Preview), nullptr);
}

}  // namespace
}  // namespace z8
