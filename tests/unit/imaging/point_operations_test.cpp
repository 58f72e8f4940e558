#include <gtest/gtest.h>

#include "imaging/point_operations.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

TEST(PointTables, BrightnessShiftsByAHundredthOfTheRangeAndSaturates) {
    const LevelTable up = BrightnessTable(20);  // +51
    EXPECT_EQ(up[0], 51);
    EXPECT_EQ(up[100], 151);
    EXPECT_EQ(up[204], 255);
    EXPECT_EQ(up[250], 255);
    const LevelTable down = BrightnessTable(-100);
    EXPECT_EQ(down[255], 0);
    EXPECT_EQ(BrightnessTable(500), BrightnessTable(100));
}

TEST(PointTables, ChannelIntensityScalesAroundMidGreySymmetrically) {
    // +75 is ×4, -75 is ×0.25 around 127.5; the ends saturate.
    const LevelTable up = ChannelIntensityTable(75, kMidGreyPivot);
    EXPECT_EQ(up[128], 130);  // 127.5 + 0.5 × 4
    EXPECT_EQ(up[127], 126);
    EXPECT_EQ(up[100], 18);  // 127.5 - 27.5 × 4
    EXPECT_EQ(up[50], 0);
    EXPECT_EQ(up[220], 255);
    const LevelTable down = ChannelIntensityTable(-75, kMidGreyPivot);
    EXPECT_EQ(down[0], 96);  // 127.5 - 127.5 / 4, rounded
    EXPECT_EQ(down[255], 159);
    const LevelTable twice = ChannelIntensityTable(50, kMidGreyPivot);
    EXPECT_EQ(twice[192], 255);
    EXPECT_EQ(twice[63], 0);
    // +100 leaves the extremes only; an explicit pivot moves the centre.
    const LevelTable hard = ChannelIntensityTable(100, kMidGreyPivot);
    EXPECT_EQ(hard[127], 0);
    EXPECT_EQ(hard[128], 255);
    const LevelTable pivoted = ChannelIntensityTable(50, 0);
    EXPECT_EQ(pivoted[0], 0);
    EXPECT_EQ(pivoted[100], 200);
}

TEST(PointTables, GammaLightensMidTonesAndKeepsTheEnds) {
    const LevelTable g = GammaTable(22);
    EXPECT_EQ(g[0], 0);
    EXPECT_EQ(g[255], 255);
    EXPECT_EQ(g[64], 136);  // 255 × (64/255)^(1/2.2)
    EXPECT_LT(GammaTable(5)[128], 128);
    for (int i = 1; i < 256; ++i)
        EXPECT_GE(g[i], g[i - 1]);
    EXPECT_EQ(GammaTable(0)[77], 77);
    EXPECT_EQ(GammaTable(10)[77], 77);
}

TEST(PointOperations, ColourImagesChangeOnlyTheMaskedChannelsAndNeverThePadding) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 3, 2, 24, [](int x, int y) {
        return 0x405060u + static_cast<std::uint32_t>(x + 10 * y) * 0x010101u;
    });
    for (int r = 0; r < 2; ++r)
        std::fill_n(image->Row(r) + 9, 3, std::uint8_t{0xEE});
    AdjustBrightness(*image, 20);                                    // +51 everywhere
    AdjustChannelIntensity(*image, 50, kMidGreyPivot, kChannelRed);  // red only, ×2
    InvertColours(*image);                                           // all channels
    // Pixel (1, 1): 0x4B5B6B → +51 → 0x7E8E9E → red 0x7E = 126 → 125 → invert.
    EXPECT_EQ(PixelAt(*image, 1, 1), (255u - 125u) << 16 | (255u - 0x8E) << 8 | (255u - 0x9E));
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(image->Row(r)[9], 0xEE);
        EXPECT_EQ(image->Row(r)[11], 0xEE);
    }
}

TEST(PointOperations, GreyImagesChangeOnlyWithAllThreeChannels) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 5, 1, 8, [](int x, int) { return 50u * x; });
    image->Row(0)[5] = 0x77;
    AdjustChannelIntensity(*image, 50, kMidGreyPivot, kChannelGreen);
    EXPECT_EQ(PixelAt(*image, 1, 0), 50u);
    InvertColours(*image);
    EXPECT_EQ(PixelAt(*image, 1, 0), 205u);
    EXPECT_EQ(PixelAt(*image, 4, 0), 55u);
    EXPECT_EQ(image->Row(0)[5], 0x77);
    EXPECT_EQ(image->Palette()[1], (RgbQuad{1, 1, 1, 0}));  // the table is left as it is
}

TEST(PointOperations, BilevelImagesStayBilevelAndKeepTheirPaddingBits) {
    GlobalMemoryTable memory;
    // 10 pixels: 1010101010, then 6 padding bits set to show they survive.
    auto make = [&] {
        auto image = MakeImage(memory, 10, 1, 1, [](int x, int) { return x % 2 == 0 ? 1u : 0u; });
        image->Row(0)[1] |= 0x3F;
        return image;
    };
    auto inverted = make();
    InvertColours(*inverted);
    EXPECT_EQ(inverted->Row(0)[0], 0x55);
    EXPECT_EQ(inverted->Row(0)[1], 0x7F);  // pixels 8, 9 → 0, 1; padding kept

    auto contrasted = make();
    AdjustChannelIntensity(*contrasted, 75, kMidGreyPivot, kAllChannels);
    ApplyGamma(*contrasted, 30);
    EXPECT_EQ(contrasted->Row(0)[0], 0xAA);  // black stays black, white stays white

    auto bright = make();
    AdjustBrightness(*bright, 60);  // black rises past mid-grey: all white
    EXPECT_EQ(bright->Row(0)[0], 0xFF);
    EXPECT_EQ(bright->Row(0)[1], 0xFF);

    auto dark = make();
    AdjustBrightness(*dark, -60);
    EXPECT_EQ(dark->Row(0)[0], 0x00);
    EXPECT_EQ(dark->Row(0)[1], 0x3F);
}

}  // namespace
}  // namespace z8::test
