#include "ui/tracker_geometry.h"

#include <gtest/gtest.h>

namespace z8 {
namespace {

// The frame (100, 50)-(200, 150): handles are 6 pixels square inside it.
constexpr PixelRect kFrame{100, 50, 200, 150};

TEST(TrackerGeometry, HitTestAndCursorOfEveryPartOfTheFrame) {
    struct Case {
        int x, y;
        TrackerHit hit;
        TrackerCursor cursor;
    };
    const Case cases[] = {
        {100, 50, TrackerHit::TopLeft, TrackerCursor::SizeNwSe},
        {105, 55, TrackerHit::TopLeft, TrackerCursor::SizeNwSe},
        {199, 50, TrackerHit::TopRight, TrackerCursor::SizeNeSw},
        {194, 55, TrackerHit::TopRight, TrackerCursor::SizeNeSw},
        {199, 149, TrackerHit::BottomRight, TrackerCursor::SizeNwSe},
        {100, 149, TrackerHit::BottomLeft, TrackerCursor::SizeNeSw},
        {147, 50, TrackerHit::Top, TrackerCursor::SizeNorthSouth},
        {152, 55, TrackerHit::Top, TrackerCursor::SizeNorthSouth},
        {153, 50, TrackerHit::Inside, TrackerCursor::Move},  // past the top handle
        {150, 149, TrackerHit::Bottom, TrackerCursor::SizeNorthSouth},
        {100, 100, TrackerHit::Left, TrackerCursor::SizeWestEast},
        {199, 97, TrackerHit::Right, TrackerCursor::SizeWestEast},
        {150, 100, TrackerHit::Inside, TrackerCursor::Move},
        {106, 100, TrackerHit::Inside, TrackerCursor::Move},  // past the left handle
        {99, 100, TrackerHit::Nothing, TrackerCursor::Default},
        {200, 100, TrackerHit::Nothing, TrackerCursor::Default},  // right is outside
        {150, 150, TrackerHit::Nothing, TrackerCursor::Default},
        {150, 49, TrackerHit::Nothing, TrackerCursor::Default},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const TrackerHit hit = HitTestTracker(kFrame, c.x, c.y);
        EXPECT_EQ(hit, c.hit);
        EXPECT_EQ(CursorForHit(hit), c.cursor);
    }
    // An inverted frame is tested as its normalised self; an empty one has no parts.
    EXPECT_EQ(HitTestTracker({200, 150, 100, 50}, 100, 50), TrackerHit::TopLeft);
    EXPECT_EQ(HitTestTracker({100, 50, 100, 150}, 100, 60), TrackerHit::Nothing);
    // A frame smaller than two handles: the corners win.
    EXPECT_EQ(HitTestTracker({10, 10, 18, 18}, 13, 13), TrackerHit::TopLeft);
    EXPECT_EQ(HitTestTracker({10, 10, 18, 18}, 17, 13), TrackerHit::TopRight);
}

TEST(TrackerGeometry, DraggingAPartMovesTheEdgesItSitsOn) {
    struct Case {
        TrackerHit hit;
        PixelRect want;
    };
    const Case cases[] = {
        {TrackerHit::Inside, {110, 30, 210, 130}},
        {TrackerHit::TopLeft, {110, 30, 200, 150}},
        {TrackerHit::TopRight, {100, 30, 210, 150}},
        {TrackerHit::BottomRight, {100, 50, 210, 130}},
        {TrackerHit::BottomLeft, {110, 50, 200, 130}},
        {TrackerHit::Top, {100, 30, 200, 150}},
        {TrackerHit::Right, {100, 50, 210, 150}},
        {TrackerHit::Bottom, {100, 50, 200, 130}},
        {TrackerHit::Left, {110, 50, 200, 150}},
        {TrackerHit::Nothing, kFrame},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.hit));
        EXPECT_EQ(DraggedFrame(kFrame, c.hit, 10, -20), c.want);
    }
    // Dragged across the opposite edge, the frame inverts; normalising puts it right.
    const PixelRect inverted = DraggedFrame(kFrame, TrackerHit::Left, 150, 0);
    EXPECT_EQ(inverted, (PixelRect{250, 50, 200, 150}));
    EXPECT_EQ(Normalised(inverted), (PixelRect{200, 50, 250, 150}));
    EXPECT_EQ(Intersection({0, 0, 10, 10}, {5, 5, 20, 20}), (PixelRect{5, 5, 10, 10}));
    EXPECT_EQ(Intersection({0, 0, 10, 10}, {10, 0, 20, 10}), PixelRect{});
}

}  // namespace
}  // namespace z8
