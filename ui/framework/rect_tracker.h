#pragma once

#include <windows.h>

#include "ui/tracker_geometry.h"

namespace z8::ui {

// The framework's rectangle tracker: a selection frame in a window's client
// coordinates, drawn as a dotted outline with its eight handles inside, and
// the mouse followed (with the capture) while the user drags out a new frame
// or moves or resizes this one. While the mouse is followed, the frame shows
// as an inverted dotted outline; Esc, the right button or a lost capture
// cancel.
class RectTracker {
public:
    PixelRect rect;

    void Draw(HDC dc) const;

    // From a press at `start` until the left button goes up: the frame from
    // `start` to where it went up, possibly inverted. False when cancelled.
    static bool TrackRubberBand(HWND window, POINT start, PixelRect& result);
    // Moves or resizes `rect` by the part `hit` the press at `start` grabbed;
    // true when the left button went up with a different frame (possibly
    // inverted), false when cancelled or unchanged.
    bool Track(HWND window, POINT start, TrackerHit hit);
};

}  // namespace z8::ui
