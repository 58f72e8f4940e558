#include <gtest/gtest.h>

#include <array>

#include "imaging/mirror.h"
#include "imaging/resample.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

std::uint32_t Pattern(int x, int y) {
    return static_cast<std::uint32_t>(x * 16 + y + 1);
}

TEST(Mirror, FlipsEachDepthAboutEitherAxisAndKeepsThePadding) {
    GlobalMemoryTable memory;
    for (int bits : {1, 8, 24}) {
        SCOPED_TRACE(bits);
        const int w = 11, h = 3;  // odd sizes: a middle row and column stay
        auto value = [bits](int x, int y) {
            return bits == 1 ? static_cast<std::uint32_t>((x * 7 + y * 3) % 5 < 2)
                             : Pattern(x, y) * (bits == 24 ? 0x010305u : 1u);
        };
        auto image = MakeImage(memory, w, h, bits, value);
        for (int r = 0; r < h; ++r)
            image->Row(r)[image->BytesPerLine() - 1] |= 0x01;

        Mirror(*image, false, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(PixelAt(*image, x, y), value(w - 1 - x, y)) << x << "," << y;
        Mirror(*image, true, false);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(PixelAt(*image, x, y), value(w - 1 - x, h - 1 - y)) << x << "," << y;
        Mirror(*image, true, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(PixelAt(*image, x, y), value(x, y));
        for (int r = 0; r < h; ++r)
            EXPECT_EQ(image->Row(r)[image->BytesPerLine() - 1] & 0x01, 0x01);
    }
}

TEST(CopyAtSize, ShrinkingAveragesTheCoveredAreaByExactOverlap) {
    GlobalMemoryTable memory;
    // 4 × 2 grey → 2 × 1: each target pixel is the mean of a 2 × 2 block.
    auto grey = MakeImage(memory, 4, 2, 8, [](int x, int y) { return 10u * x + 100u * y; });
    auto half = CopyAtSize(*grey, 2, 1);
    ASSERT_TRUE(half);
    EXPECT_EQ(PixelAt(*half, 0, 0), 55u);  // (0 + 10 + 100 + 110) / 4
    EXPECT_EQ(PixelAt(*half, 1, 0), 75u);

    // 3 → 2 across: weights 2:1 and 1:2 of a third each.
    auto colour = MakeImage(memory, 3, 1, 24, [](int x, int) {
        return std::array<std::uint32_t, 3>{0x000000, 0x969696, 0x303030}[x];
    });
    auto narrower = CopyAtSize(*colour, 2, 1);
    EXPECT_EQ(PixelAt(*narrower, 0, 0), 0x323232u);  // (2 × 0 + 150) / 3 = 50
    EXPECT_EQ(PixelAt(*narrower, 1, 0), 0x525252u);  // (150 + 2 × 48) / 3 = 82
}

TEST(CopyAtSize, EnlargingBlendsNeighboursAtMost) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 2, 1, 8, [](int x, int) { return x ? 200u : 0u; });
    auto wide = CopyAtSize(*image, 3, 1);
    EXPECT_EQ(PixelAt(*wide, 0, 0), 0u);
    EXPECT_EQ(PixelAt(*wide, 1, 0), 100u);
    EXPECT_EQ(PixelAt(*wide, 2, 0), 200u);
    auto tall = CopyAtSize(*image, 2, 5);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(PixelAt(*tall, 1, y), 200u);
}

TEST(CopyAtSize, ZeroMeansTheSourceSizeAndGivesAnExactCopy) {
    GlobalMemoryTable memory;
    auto image = MakeImage(memory, 5, 3, 1, [](int x, int y) { return (x + y) % 2u; });
    image->Palette()[0] = RgbQuad{0, 0, 255, 0};
    image->SetResolution(11811, 11811);
    auto copy = CopyAtSize(*image, 0, 0);
    ASSERT_TRUE(copy);
    EXPECT_TRUE(std::ranges::equal(copy->PackedDib(), image->PackedDib()));
    auto wider = CopyAtSize(*image, 10, 0);
    EXPECT_EQ(wider->Width(), 10);
    EXPECT_EQ(wider->Height(), 3);
    EXPECT_EQ(wider->Header().xPelsPerMeter, 23622);  // same physical width
    EXPECT_EQ(wider->Header().yPelsPerMeter, 11811);
    EXPECT_FALSE(CopyAtSize(*image, -1, 3));
    EXPECT_FALSE(CopyAtSize(*image, 0x7FFFFFFF, 0x7FFFFFFF));
}

TEST(CopyAtSize, BilevelResultsKeepTheNearestOfTheirTwoColours) {
    GlobalMemoryTable memory;
    // Columns white, white, white, black.
    auto image = MakeImage(memory, 4, 1, 1, [](int x, int) { return x < 3 ? 1u : 0u; });
    auto half = CopyAtSize(*image, 2, 1);
    EXPECT_EQ(half->BitCount(), 1);
    EXPECT_EQ(PixelAt(*half, 0, 0), 1u);
    EXPECT_EQ(PixelAt(*half, 1, 0), 1u);  // (255 + 0) / 2 rounds to 128, nearer white
    auto quarter = CopyAtSize(*image, 1, 1);
    EXPECT_EQ(PixelAt(*quarter, 0, 0), 1u);  // 191
    auto mostlyBlack = MakeImage(memory, 4, 1, 1, [](int x, int) { return x == 0 ? 1u : 0u; });
    EXPECT_EQ(PixelAt(*CopyAtSize(*mostlyBlack, 1, 1), 0, 0), 0u);
}

TEST(CopyAtSize, AFullPageReductionKeepsTheMeanLevel) {
    GlobalMemoryTable memory;
    auto page = MakeImage(memory, 257, 363, 24, [](int x, int y) {
        return static_cast<std::uint32_t>((x * 3 + y * 5) & 0xFF) * 0x010101u;
    });
    auto small = CopyAtSize(*page, 30, 42);
    ASSERT_TRUE(small);
    auto mean = [](const Image& image) {
        double sum = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                sum += PixelAt(image, x, y) & 0xFF;
        return sum / (image.Width() * image.Height());
    };
    EXPECT_NEAR(mean(*small), mean(*page), 0.5);
}

}  // namespace
}  // namespace z8::test
