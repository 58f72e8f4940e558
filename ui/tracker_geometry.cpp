#include "ui/tracker_geometry.h"

#include <algorithm>
#include <utility>

namespace z8 {
namespace {

bool Within(int value, int low, int high) {
    return value >= low && value < high;
}

// The handle squares along one axis: at the start, around the middle, at the end.
bool AtStart(int value, int low) {
    return Within(value, low, low + kTrackerHandleSize);
}
bool AtEnd(int value, int high) {
    return Within(value, high - kTrackerHandleSize, high);
}
bool AtMiddle(int value, int low, int high) {
    const int middle = low + (high - low) / 2 - kTrackerHandleSize / 2;
    return Within(value, middle, middle + kTrackerHandleSize);
}

}  // namespace

PixelRect Normalised(const PixelRect& rect) {
    PixelRect r = rect;
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    return r;
}

PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
    const PixelRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? PixelRect{} : r;
}

TrackerHit HitTestTracker(const PixelRect& frame, int x, int y) {
    const PixelRect r = Normalised(frame);
    if (r.IsEmpty() || !Within(x, r.left, r.right) || !Within(y, r.top, r.bottom))
        return TrackerHit::Nothing;
    const bool left = AtStart(x, r.left);
    const bool right = AtEnd(x, r.right);
    const bool top = AtStart(y, r.top);
    const bool bottom = AtEnd(y, r.bottom);
    if (top && left) return TrackerHit::TopLeft;
    if (top && right) return TrackerHit::TopRight;
    if (bottom && right) return TrackerHit::BottomRight;
    if (bottom && left) return TrackerHit::BottomLeft;
    const bool middleX = AtMiddle(x, r.left, r.right);
    const bool middleY = AtMiddle(y, r.top, r.bottom);
    if (top && middleX) return TrackerHit::Top;
    if (right && middleY) return TrackerHit::Right;
    if (bottom && middleX) return TrackerHit::Bottom;
    if (left && middleY) return TrackerHit::Left;
    return TrackerHit::Inside;
}

TrackerCursor CursorForHit(TrackerHit hit) {
    switch (hit) {
        case TrackerHit::TopLeft:
        case TrackerHit::BottomRight:
            return TrackerCursor::SizeNwSe;
        case TrackerHit::TopRight:
        case TrackerHit::BottomLeft:
            return TrackerCursor::SizeNeSw;
        case TrackerHit::Top:
        case TrackerHit::Bottom:
            return TrackerCursor::SizeNorthSouth;
        case TrackerHit::Left:
        case TrackerHit::Right:
            return TrackerCursor::SizeWestEast;
        case TrackerHit::Inside:
            return TrackerCursor::Move;
        case TrackerHit::Nothing:
            break;
    }
    return TrackerCursor::Default;
}

PixelRect DraggedFrame(const PixelRect& start, TrackerHit hit, int dx, int dy) {
    PixelRect r = start;
    const bool moves = hit == TrackerHit::Inside;
    const bool left = moves || hit == TrackerHit::TopLeft || hit == TrackerHit::BottomLeft ||
                      hit == TrackerHit::Left;
    const bool right = moves || hit == TrackerHit::TopRight || hit == TrackerHit::BottomRight ||
                       hit == TrackerHit::Right;
    const bool top = moves || hit == TrackerHit::TopLeft || hit == TrackerHit::TopRight ||
                     hit == TrackerHit::Top;
    const bool bottom = moves || hit == TrackerHit::BottomLeft || hit == TrackerHit::BottomRight ||
                        hit == TrackerHit::Bottom;
    if (left) r.left += dx;
    if (right) r.right += dx;
    if (top) r.top += dy;
    if (bottom) r.bottom += dy;
    return r;
}

}  // namespace z8
