#include "twain/fix32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace z8 {
namespace {

::testing::AssertionResult IsFix(TW_FIX32 value, TW_INT16 whole, TW_UINT16 frac) {
    if (value.Whole == whole && value.Frac == frac) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << value.Whole << "/" << value.Frac << " instead of " << whole << "/" << frac;
}

static_assert(FloatToFix32(0.1f).Whole == 0 && FloatToFix32(0.1f).Frac == 6554);

TEST(Fix32, HalfIsAddedThenTruncatedTowardZero) {
    EXPECT_TRUE(IsFix(FloatToFix32(0.1f), 0, 6554));
    EXPECT_TRUE(IsFix(FloatToFix32(1.0f), 1, 0));
    EXPECT_TRUE(IsFix(FloatToFix32(0.0f), 0, 0));
    EXPECT_TRUE(IsFix(FloatToFix32(-0.0f), 0, 0));
    // Negative values too: -100 * 65536 + 0.5 truncates to -6553599.
    EXPECT_TRUE(IsFix(FloatToFix32(-100.0f), -100, 1));
    EXPECT_TRUE(IsFix(FloatToFix32(-0.1f), -1, 58983));
    EXPECT_TRUE(IsFix(FloatToFix32(-2.5f), -3, 32769));
    // Half a unit of the last place: up for positive values, to zero for negative.
    EXPECT_TRUE(IsFix(FloatToFix32(0.5f / 65536), 0, 1));
    EXPECT_TRUE(IsFix(FloatToFix32(-0.5f / 65536), 0, 0));
    EXPECT_TRUE(IsFix(FloatToFix32(-1.5f / 65536), -1, 65535));
    // Single precision before the step: 11.7 is 11.69999981, which gives 11.699997.
    EXPECT_TRUE(IsFix(FloatToFix32(11.7f), 11, 45875));
}

TEST(Fix32, OutOfRangeSaturatesAndNanIsZero) {
    EXPECT_TRUE(IsFix(FloatToFix32(32767.99f), 32767, 64896));
    EXPECT_TRUE(IsFix(FloatToFix32(32768.0f), 32767, 65535));
    EXPECT_TRUE(IsFix(FloatToFix32(1e10f), 32767, 65535));
    EXPECT_TRUE(IsFix(FloatToFix32(std::numeric_limits<float>::infinity()), 32767, 65535));
    // -32768 itself is in range (and gets the added half like every negative).
    EXPECT_TRUE(IsFix(FloatToFix32(-32768.0f), -32768, 1));
    EXPECT_TRUE(IsFix(FloatToFix32(-32769.0f), -32768, 0));
    EXPECT_TRUE(IsFix(FloatToFix32(-std::numeric_limits<float>::infinity()), -32768, 0));
    EXPECT_TRUE(IsFix(FloatToFix32(std::nanf("")), 0, 0));
}

TEST(Fix32, RoundTripIsExactForPositiveValuesAndOneUnitUpForNegativeOnes) {
    EXPECT_EQ(Fix32ToFloat(TW_FIX32{-100, 1}), -100.0f + 1.0f / 65536);
    EXPECT_EQ(Fix32ToFloat(TW_FIX32{-1, 65535}), -1.0f / 65536);
    // 24 bits of mantissa hold 8 whole bits and 16 fraction bits exactly; the
    // added half moves every negative value one unit toward zero.
    for (int whole = -128; whole < 128; whole += 5) {
        for (uint32_t frac = 0; frac < 65536; ++frac) {
            const TW_FIX32 value{static_cast<TW_INT16>(whole), static_cast<TW_UINT16>(frac)};
            const TW_FIX32 back = FloatToFix32(Fix32ToFloat(value));
            const int32_t raw = whole * 65536 + static_cast<int32_t>(frac);
            const int32_t expected = raw < 0 ? raw + 1 : raw;
            ASSERT_TRUE(IsFix(back, static_cast<TW_INT16>(expected >> 16),
                              static_cast<TW_UINT16>(expected & 0xFFFF)));
        }
    }
    // Beyond that the real is rounded to float once: the largest value reads 32768.
    EXPECT_EQ(Fix32ToFloat(TW_FIX32{32767, 65535}), 32768.0f);
}

}  // namespace
}  // namespace z8
