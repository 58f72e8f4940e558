#include "ui/tracker_geometry.h"

#include <algorithm>
#include <utility>

namespace z8 {
namespace {

bool Within(int value, int low, int high) {
    return value >= low && value < high;
}

bool Contains(const PixelRect& r, int x, int y) {
    return Within(x, r.left, r.right) && Within(y, r.top, r.bottom);
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

std::array<std::pair<TrackerHit, PixelRect>, 8> TrackerHandles(const PixelRect& frame) {
    const PixelRect r = Normalised(frame);
    constexpr int size = kTrackerHandleSize;
    const int left = r.left;
    const int right = r.right - size;
    const int top = r.top;
    const int bottom = r.bottom - size;
    const int middleX = r.left + (r.right - r.left) / 2 - size / 2;
    const int middleY = r.top + (r.bottom - r.top) / 2 - size / 2;
    const auto square = [](int x, int y) { return PixelRect{x, y, x + size, y + size}; };
    return {{{TrackerHit::TopLeft, square(left, top)},
             {TrackerHit::TopRight, square(right, top)},
             {TrackerHit::BottomRight, square(right, bottom)},
             {TrackerHit::BottomLeft, square(left, bottom)},
             {TrackerHit::Top, square(middleX, top)},
             {TrackerHit::Right, square(right, middleY)},
             {TrackerHit::Bottom, square(middleX, bottom)},
             {TrackerHit::Left, square(left, middleY)}}};
}

TrackerHit HitTestTracker(const PixelRect& frame, int x, int y) {
    const PixelRect r = Normalised(frame);
    if (r.IsEmpty() || !Contains(r, x, y)) return TrackerHit::Nothing;
    for (const auto& [hit, handle] : TrackerHandles(r))
        if (Contains(handle, x, y)) return hit;
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
