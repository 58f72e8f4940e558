#include "ui/controls/segment_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace z8::ui {
namespace {

TEST(SegmentGeometry, FilledLength) {
    struct Case {
        const char* what;
        int position, lower, upper, length, expected;
    };
    const Case cases[] = {
        {"at the lower bound nothing is filled", 0, 0, 100, 213, 0},
        {"half way", 50, 0, 100, 213, 106},
        {"at the upper bound all of it", 100, 0, 100, 213, 213},
        {"past the upper bound is clamped", 250, 0, 100, 213, 213},
        {"below the lower bound is clamped", -5, 0, 100, 213, 0},
        {"a range not starting at 0", 15, 10, 20, 100, 50},
        {"equal bounds draw nothing", 7, 7, 7, 100, 0},
        {"reversed bounds draw nothing", 5, 10, 0, 100, 0},
        {"an empty bar", 50, 0, 100, 0, 0},
        {"the whole int range does not overflow", 0, INT_MIN, INT_MAX, 1000, 500},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilledLength(c.position, c.lower, c.upper, c.length), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace z8::ui
