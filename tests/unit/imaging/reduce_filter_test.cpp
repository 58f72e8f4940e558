#include <gtest/gtest.h>

#include "imaging/filters.h"
#include "imaging/reduce.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

TEST(ReduceToGrey, UsesTheLuminanceOfEachColour) {
    GlobalMemoryTable memory;
    auto colour = MakeImage(memory, 3, 1, 24, [](int x, int) {
        return std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0xFFFFFF}[x];
    });
    auto grey = ReduceToGrey(*colour);
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->BitCount(), 8);
    EXPECT_EQ(PixelAt(*grey, 0, 0), 77u);
    EXPECT_EQ(PixelAt(*grey, 1, 0), 149u);
    EXPECT_EQ(PixelAt(*grey, 2, 0), 255u);
    EXPECT_EQ(grey->Palette()[149], (RgbQuad{149, 149, 149, 0}));

    // An 8-bit image with an inverted table comes out as plain levels.
    auto inverted = MakeImage(memory, 2, 1, 8, [](int x, int) { return x ? 10u : 200u; });
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(255 - i);
        inverted->Palette()[i] = RgbQuad{v, v, v, 0};
    }
    auto levels = ReduceToGrey(*inverted);
    EXPECT_EQ(PixelAt(*levels, 0, 0), 55u);
    EXPECT_EQ(PixelAt(*levels, 1, 0), 245u);
    EXPECT_EQ(levels->Palette()[0], (RgbQuad{0, 0, 0, 0}));
}

TEST(ReduceToBlackAndWhite, DiffusionKeepsTheToneOfEachArea) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 64, 64, 24, [](int x, int) {
        return x < 16 ? 0u : x < 32 ? 0x404040u : x < 48 ? 0xC0C0C0u : 0xFFFFFFu;
    });
    auto bw = ReduceToBlackAndWhite(*image);
    ASSERT_TRUE(bw);
    EXPECT_EQ(bw->BitCount(), 1);
    EXPECT_EQ(bw->Palette()[0], (RgbQuad{0, 0, 0, 0}));
    EXPECT_EQ(bw->Palette()[1], (RgbQuad{255, 255, 255, 0}));
    auto whiteShare = [&](int from, int to) {
        int ones = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = from; x < to; ++x)
                ones += static_cast<int>(PixelAt(*bw, x, y));
        return ones / (64.0 * (to - from));
    };
    EXPECT_EQ(whiteShare(0, 16), 0.0);
    EXPECT_NEAR(whiteShare(16, 32), 64 / 255.0, 0.05);
    EXPECT_NEAR(whiteShare(32, 48), 192 / 255.0, 0.05);
    EXPECT_EQ(whiteShare(48, 64), 1.0);
    // Same pixels, same dots.
    EXPECT_TRUE(std::ranges::equal(ReduceToBlackAndWhite(*image)->PackedDib(), bw->PackedDib()));
}

TEST(ReduceToBlackAndWhite, ABilevelImageWithSwappedColoursComesOutInBlackThenWhite) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 9, 1, 1, [](int x, int) { return x < 4 ? 1u : 0u; });
    std::swap(image->Palette()[0], image->Palette()[1]);  // index 0 white
    auto bw = ReduceToBlackAndWhite(*image);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(PixelAt(*bw, x, 0), x < 4 ? 0u : 1u) << x;
}

TEST(Filters, FlatAreasStayAsTheyAre) {
    GlobalMemoryTable memory;
    for (auto filter : {ImageFilter::Sharpen, ImageFilter::Descreen}) {
        for (int width : {1, 2, 5}) {
            auto image = MakeImage(memory, width, 4, 24, [](int, int) { return 0x336699u; });
            const std::size_t padding = image->BytesPerLine() - 1;
            image->Row(2)[padding] = 0xAB;
            ApplyFilter(*image, filter);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_EQ(PixelAt(*image, x, y), 0x336699u);
            EXPECT_EQ(image->Row(2)[padding], 0xAB);
        }
    }
}

TEST(Filters, SharpenSteepensAnEdge) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 6, 3, 8, [](int x, int) { return x < 3 ? 100u : 150u; });
    ApplyFilter(*image, ImageFilter::Sharpen);
    // Across the edge: 5 × 100 - 100 - 150 - 100 - 100 = 50 and its mirror.
    const std::uint32_t expected[6] = {100, 100, 50, 200, 150, 150};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelAt(*image, x, y), expected[x]) << x << "," << y;
}

TEST(Filters, DescreenRemovesAScreenOfPeriodTwo) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 8, 8, 8, [](int x, int y) { return (x + y) % 2 ? 200u : 40u; });
    ApplyFilter(*image, ImageFilter::Descreen);
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x)
            EXPECT_EQ(PixelAt(*image, x, y), 120u) << x << "," << y;
}

TEST(Filters, BilevelImagesAreLeftAlone) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 8, 8, 1, [](int x, int y) { return (x + y) % 2u; });
    const std::vector<std::uint8_t> before(image->PackedDib().begin(), image->PackedDib().end());
    ApplyFilter(*image, ImageFilter::Descreen);
    EXPECT_TRUE(std::ranges::equal(image->PackedDib(), before));
}

}  // namespace
}  // namespace z8::test
