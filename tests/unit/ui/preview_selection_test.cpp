#include "ui/preview_selection.h"

#include <gtest/gtest.h>

#include "tests/unit/ui/fixed_paths.h"

namespace z8 {
namespace {

TEST(PreviewSelection, DraggedRectanglesBecomeSelectionsInsideThePane) {
    struct Case {
        const char* name;
        PixelRect dragged;
        bool rubberBand;
        std::optional<PixelRect> want;
    };
    // A pane of 287 x 465 pixels: selections stay within 1..286 x 1..464.
    const Case cases[] = {
        {"a plain drag", {20, 30, 120, 230}, true, PixelRect{20, 30, 120, 230}},
        {"dragged up and to the left", {120, 230, 20, 30}, true, PixelRect{20, 30, 120, 230}},
        {"beyond the pane", {-50, -40, 400, 600}, true, PixelRect{1, 1, 286, 464}},
        {"a click", {50, 50, 50, 50}, true, std::nullopt},
        {"5 pixels across", {50, 50, 55, 150}, true, std::nullopt},
        {"5 pixels high, inverted", {50, 150, 150, 145}, true, std::nullopt},
        {"6 by 6", {50, 50, 44, 44}, true, PixelRect{44, 44, 50, 50}},
        {"wholly outside the pane", {300, 10, 400, 100}, true, std::nullopt},
        {"on the pane's last column", {286, 10, 400, 100}, true, std::nullopt},
        {"a tracked frame may be small", {50, 50, 52, 53}, false, PixelRect{50, 50, 52, 53}},
        {"a tracked frame moved out", {-100, 10, -10, 100}, false, std::nullopt},
        {"a tracked frame squeezed flat", {50, 50, 50, 80}, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SelectionFromDrag(c.dragged, 287, 465, c.rubberBand), c.want);
    }
    // A pane without area has no inside.
    for (const auto& [width, height] : {std::pair{0, 465}, std::pair{287, 0}, std::pair{2, 2}})
        EXPECT_EQ(SelectionFromDrag({0, 0, 100, 100}, width, height, true), std::nullopt);
}

TEST(PreviewSelection, SelectionsBecomeFramesOfTheSheet) {
    struct Case {
        const char* name;
        std::optional<PixelRect> selection;
        int paneWidth, paneHeight;
        int xDpi, yDpi;
        SheetFrame want;
    };
    const Case cases[] = {
        // 300 x (19 x 8.27 / 287) = 164.2, 300 x (29 x 11.7 / 465) = 218.9,
        // 300 x (119 x 8.27 / 287) = 1028.7, 300 x (229 x 11.7 / 465) = 1728.6
        {"a selection at 300 dpi",
         PixelRect{20, 30, 120, 230},
         287,
         465,
         300,
         300,
         {164, 218, 1028, 1728}},
        {"left edge at pixel 1 is the sheet's edge",
         PixelRect{1, 1, 100, 100},
         287,
         465,
         100,
         100,
         {0, 0, 285, 249}},
        {"no selection is the whole sheet", std::nullopt, 287, 465, 300, 200, {0, 0, 2481, 2340}},
        {"a pane 0 wide divides nothing",
         PixelRect{1, 1, 100, 100},
         0,
         465,
         300,
         300,
         {0, 0, 2481, 3510}},
        {"a pane 0 high divides nothing",
         PixelRect{1, 1, 100, 100},
         287,
         0,
         300,
         300,
         {0, 0, 2481, 3510}},
        {"a selection that ends empty", PixelRect{10, 10, 11, 11}, 287, 465, 1, 1, {0, 0, 8, 11}},
        {"16-bit edges are clamped",
         PixelRect{20, 30, 280, 460},
         287,
         465,
         32767,
         32767,
         {17939, 23909, 32767, 32767}},
        {"the whole sheet is clamped", std::nullopt, 287, 465, 32767, 32767, {0, 0, 32767, 32767}},
        {"a negative resolution gives no negative edge",
         std::nullopt,
         287,
         465,
         -300,
         -300,
         {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FrameOfSelection(c.selection, c.paneWidth, c.paneHeight, c.xDpi, c.yDpi), c.want);
    }
}

TEST(PreviewSelection, TheFrameIsStoredInTheSettingsUnits) {
    test::FixedPaths paths;
    CScanSettings s(paths);
    s.SetXResolutionDpi(300);
    s.SetYResolutionDpi(300);
    // Stored in inches, read back within a pixel.
    ApplySelection(s, PixelRect{20, 30, 120, 230}, 287, 465);
    EXPECT_NEAR(s.LeftInPixels(), 164, 1);
    EXPECT_NEAR(s.TopInPixels(), 218, 1);
    EXPECT_NEAR(s.RightInPixels(), 1028, 1);
    EXPECT_NEAR(s.BottomInPixels(), 1728, 1);
    // The same area of the sheet at another resolution.
    s.SetXResolutionDpi(150);
    EXPECT_NEAR(s.RightInPixels(), 514, 1);

    ApplySelection(s, std::nullopt, 287, 465);
    EXPECT_EQ(s.LeftInPixels(), 0);
    EXPECT_NEAR(s.RightInPixels(), 1240, 1);
}

}  // namespace
}  // namespace z8
