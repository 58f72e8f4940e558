#include "ui/controls/segment_progress.h"

#include <commctrl.h>

#include "ui/controls/gdi_handles.h"
#include "ui/controls/segment_geometry.h"

namespace z8::ui {
namespace {

void Line(HDC dc, COLORREF colour, int x0, int y0, int x1, int y1) {
    UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    Selected selected(dc, pen.get());
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

}  // namespace

CSegmentProgress::CSegmentProgress() : shades_(ShadesOf(GetSysColor(COLOR_HIGHLIGHT))) {}

void CSegmentProgress::SetColor(Colour base) {
    shades_ = ShadesOf(base);
    if (hwnd() != nullptr) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CSegmentProgress::Paint(HDC target) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int width = client.right, height = client.bottom;
    MemoryCanvas canvas(target, width, height);
    if (!canvas.ok()) return;
    HDC dc = canvas.dc();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    const int lower = static_cast<int>(SendMessageA(hwnd(), PBM_GETRANGE, TRUE, 0));
    const int upper = static_cast<int>(SendMessageA(hwnd(), PBM_GETRANGE, FALSE, 0));
    const int position = static_cast<int>(SendMessageA(hwnd(), PBM_GETPOS, 0, 0));
    const bool vertical = (GetWindowLongPtrA(hwnd(), GWL_STYLE) & PBS_VERTICAL) != 0;
    const int filled = FilledLength(position, lower, upper, vertical ? height : width);
    if (filled > 0) {
        RECT bar = client;
        if (vertical) {
            bar.top = height - filled;
        } else {
            bar.right = filled;
        }
        UniqueGdi<HBRUSH> fill(CreateSolidBrush(shades_.light3));
        FillRect(dc, &bar, fill.get());
        const int l = bar.left, t = bar.top, r = bar.right - 1, b = bar.bottom - 1;
        // Outer edge: the base along the top and left, the dark shades below and right.
        Line(dc, shades_.base, l, b, l, t);
        Line(dc, shades_.base, l, t, r, t);
        Line(dc, shades_.dark2, r, t, r, b);
        Line(dc, shades_.dark2, r, b, l, b);
        // Inner edge: the light shades, a step inside.
        if (r - l > 2 && b - t > 2) {
            Line(dc, shades_.light1, l + 1, b - 1, l + 1, t + 1);
            Line(dc, shades_.light1, l + 1, t + 1, r - 1, t + 1);
            Line(dc, shades_.dark1, r - 1, t + 1, r - 1, b - 1);
            Line(dc, shades_.dark1, r - 1, b - 1, l + 1, b - 1);
            SetPixel(dc, l + 1, t + 1, shades_.light2);
            SetPixel(dc, r - 1, b - 1, shades_.dark2);
        }
        SetPixel(dc, r, b, shades_.dark2);
    }
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

LRESULT CSegmentProgress::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd(), &paint);
            Paint(dc);
            EndPaint(hwnd(), &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace z8::ui
