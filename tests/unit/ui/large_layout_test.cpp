#include "ui/large_layout.h"

#include <gtest/gtest.h>

namespace z8 {
namespace {

TEST(LargeLayout, OnlyATallFeederButtonEnlargesTheDialogByTheFixedRatios) {
    EXPECT_FALSE(NeedsLargeLayout(50));
    EXPECT_TRUE(NeedsLargeLayout(51));
    // The window sizes of the normal and the large layout map onto each other.
    const WindowSize wide = LargeLayoutSize({550, 495});
    EXPECT_EQ(wide.width, 725);
    EXPECT_EQ(wide.height, 608);
    // Products are truncated, not rounded.
    const WindowSize narrow = LargeLayoutSize({235, 100});
    EXPECT_EQ(narrow.width, 309);   // 309.77
    EXPECT_EQ(narrow.height, 122);  // 122.83
}

}  // namespace
}  // namespace z8
