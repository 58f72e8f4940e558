#include "ui/framework/rect_tracker.h"

#include <windowsx.h>

#include <functional>
#include <optional>

namespace z8::ui {
namespace {

RECT ToRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// Drawn twice, the inverted outline is gone again.
void InvertOutline(HDC dc, const PixelRect& frame) {
    const RECT area = ToRect(Normalised(frame));
    if (area.right > area.left && area.bottom > area.top) DrawFocusRect(dc, &area);
}

// A mouse message's point in the client coordinates of `window`.
POINT PointIn(HWND window, const MSG& msg) {
    POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.hwnd != window) MapWindowPoints(msg.hwnd, window, &point, 1);
    return point;
}

// Follows the mouse from a press at `start` until the left button goes up
// (the last frame) or the drag is cancelled (nothing). Messages other than
// the mouse's and the keyboard's are dispatched as usual meanwhile.
std::optional<PixelRect> FollowMouse(HWND window, POINT start,
                                     const std::function<PixelRect(POINT)>& frameAt) {
    SetCapture(window);
    HDC dc = GetDC(window);
    PixelRect shown = frameAt(start);
    InvertOutline(dc, shown);
    std::optional<PixelRect> result;
    for (bool following = true; following && GetCapture() == window;) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the loop that called us.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
            case WM_MOUSEMOVE:
            case WM_LBUTTONUP: {
                const PixelRect next = frameAt(PointIn(window, msg));
                if (next != shown) {
                    InvertOutline(dc, shown);
                    shown = next;
                    InvertOutline(dc, shown);
                }
                if (msg.message == WM_LBUTTONUP) {
                    result = shown;
                    following = false;
                }
                break;
            }
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE) following = false;
                break;
            case WM_RBUTTONDOWN:
                following = false;
                break;
            case WM_KEYUP:
            case WM_CHAR:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONUP:
                break;
            default:
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
                break;
        }
    }
    InvertOutline(dc, shown);
    ReleaseDC(window, dc);
    if (GetCapture() == window) ReleaseCapture();
    return result;
}

}  // namespace

void RectTracker::Draw(HDC dc) const {
    const PixelRect frame = Normalised(rect);
    if (frame.IsEmpty()) return;
    HPEN pen = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldMode = SetBkMode(dc, OPAQUE);
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
    SetBkColor(dc, oldBack);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    HBRUSH handleBrush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const auto& [hit, handle] : TrackerHandles(frame)) {
        const RECT area = ToRect(handle);
        FillRect(dc, &area, handleBrush);
    }
}

bool RectTracker::TrackRubberBand(HWND window, POINT start, PixelRect& result) {
    const auto frame = FollowMouse(window, start, [start](POINT point) {
        return PixelRect{start.x, start.y, point.x, point.y};
    });
    if (!frame) return false;
    result = *frame;
    return true;
}

bool RectTracker::Track(HWND window, POINT start, TrackerHit hit) {
    const PixelRect before = rect;
    const auto frame = FollowMouse(window, start, [&](POINT point) {
        return DraggedFrame(before, hit, point.x - start.x, point.y - start.y);
    });
    if (!frame || *frame == before) return false;
    rect = *frame;
    return true;
}

}  // namespace z8::ui
