#pragma once

#include <array>
#include <utility>

namespace z8 {

// A rectangle in a window's client pixels; right and bottom are outside it.
// A dragged rectangle may be inverted (right left of left).
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Left/right and top/bottom swapped where the rectangle is inverted.
PixelRect Normalised(const PixelRect& rect);
// What both rectangles cover; empty (all 0) when they do not overlap.
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

// The part of a selection frame a point is on. The frame's eight handles are
// squares of kTrackerHandleSize pixels inside its corners and the middles of
// its edges; a handle of a corner wins over one of an edge, a handle over
// the inside.
enum class TrackerHit {
    Nothing,
    TopLeft,
    TopRight,
    BottomRight,
    BottomLeft,
    Top,
    Right,
    Bottom,
    Left,
    Inside,
};
inline constexpr int kTrackerHandleSize = 6;

// The eight handles of a frame (normalised first), corners before edges.
std::array<std::pair<TrackerHit, PixelRect>, 8> TrackerHandles(const PixelRect& frame);
TrackerHit HitTestTracker(const PixelRect& frame, int x, int y);

// The mouse pointer over each part: the diagonal, vertical and horizontal
// sizing arrows, the four-headed move arrow, or the window's own.
enum class TrackerCursor { Default, SizeNwSe, SizeNeSw, SizeNorthSouth, SizeWestEast, Move };
TrackerCursor CursorForHit(TrackerHit hit);

// The frame after the mouse moved by (dx, dy) from where it grabbed `hit`:
// the inside moves the whole frame, a handle moves the edges it sits on. The
// result may be inverted.
PixelRect DraggedFrame(const PixelRect& start, TrackerHit hit, int dx, int dy);

}  // namespace z8
