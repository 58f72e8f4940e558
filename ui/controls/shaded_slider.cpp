#include "ui/controls/shaded_slider.h"

#include "ui/controls/gdi_handles.h"

namespace z8::ui {
namespace {

void Frame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    UniqueGdi<HPEN> light(CreatePen(PS_SOLID, 1, topLeft));
    UniqueGdi<HPEN> dark(CreatePen(PS_SOLID, 1, bottomRight));
    {
        Selected pen(dc, light.get());
        MoveToEx(dc, r.left, r.bottom - 1, nullptr);
        LineTo(dc, r.left, r.top);
        LineTo(dc, r.right - 1, r.top);
    }
    Selected pen(dc, dark.get());
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    UniqueGdi<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

}  // namespace

CShadedSlider::CShadedSlider()
    : face_(GetSysColor(COLOR_BTNFACE)),
      channel_(GetSysColor(COLOR_WINDOW)),
      highlight_(GetSysColor(COLOR_HIGHLIGHT)) {}

void CShadedSlider::SetFaceColor(Colour face) {
    face_ = face;
    Redraw();
}

void CShadedSlider::SetHighlightColor(Colour highlight) {
    highlight_ = highlight;
    Redraw();
}

void CShadedSlider::Redraw() {
    if (hwnd() != nullptr) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CShadedSlider::DrawThumb(HDC dc, const RECT& r, bool selected) {
    // A pressed thumb is a step darker for this drawing only.
    const Colour face = selected ? Darken(face_, kShadeStep) : face_;
    const Shades s = ShadesOf(face);
    Fill(dc, r, face);
    Frame(dc, r, s.light2, s.dark2);
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Frame(dc, inner, s.light1, s.dark1);
    // A grip line along the thumb's long side.
    const bool upright = (r.right - r.left) < (r.bottom - r.top);
    RECT grip =
        upright ? RECT{(r.left + r.right) / 2, r.top + 3, (r.left + r.right) / 2 + 1, r.bottom - 3}
                : RECT{r.left + 3, (r.top + r.bottom) / 2, r.right - 3, (r.top + r.bottom) / 2 + 1};
    Fill(dc, grip, highlight_);
}

void CShadedSlider::DrawChannel(HDC dc, RECT r) {
    // A disabled slider's channel is the face of the dialog, whatever its colour.
    const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
    const Colour channel = enabled ? channel_ : GetSysColor(COLOR_BTNFACE);
    Fill(dc, r, channel);
    Frame(dc, r, Midpoint(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW)),
          GetSysColor(COLOR_BTNHIGHLIGHT));
    // The selection range, when the control shows one, in the highlight colour.
    const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
    if (!enabled || (style & TBS_ENABLESELRANGE) == 0) return;
    const int start = static_cast<int>(SendMessageA(hwnd(), TBM_GETSELSTART, 0, 0));
    const int end = static_cast<int>(SendMessageA(hwnd(), TBM_GETSELEND, 0, 0));
    const int lower = static_cast<int>(SendMessageA(hwnd(), TBM_GETRANGEMIN, 0, 0));
    const int upper = static_cast<int>(SendMessageA(hwnd(), TBM_GETRANGEMAX, 0, 0));
    if (upper <= lower || end <= start) return;
    const int span = r.right - r.left - 2;
    RECT selection = r;
    InflateRect(&selection, 0, -1);
    selection.left = r.left + 1 + (start - lower) * span / (upper - lower);
    selection.right = r.left + 1 + (end - lower) * span / (upper - lower);
    Fill(dc, selection, highlight_);
}

LRESULT CShadedSlider::CustomDraw(NMCUSTOMDRAW& draw) {
    switch (draw.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (draw.dwItemSpec == TBCD_THUMB) {
                DrawThumb(draw.hdc, draw.rc, (draw.uItemState & CDIS_SELECTED) != 0);
                return CDRF_SKIPDEFAULT;
            }
            if (draw.dwItemSpec == TBCD_CHANNEL) {
                DrawChannel(draw.hdc, draw.rc);
                return CDRF_SKIPDEFAULT;
            }
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

LRESULT CShadedSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReflected + WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == NM_CUSTOMDRAW) {
            return CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
        return 0;
    }
    return Default(message, wParam, lParam);
}

}  // namespace z8::ui
