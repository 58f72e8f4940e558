#include "ui/controls/icon_button.h"

#include <utility>

#include "ui/framework/module_state.h"

namespace z8::ui {
namespace {

constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationPeriodMs = 500;

HICON LoadIconResource(int id) {
    if (id == 0) return nullptr;
    return static_cast<HICON>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

SIZE IconSize(HICON icon) {
    SIZE size{0, 0};
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return size;
    BITMAP bitmap{};
    if (GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap,
                   &bitmap) != 0) {
        size.cx = bitmap.bmWidth;
        size.cy = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return size;
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// A one-pixel frame: `topLeft` along the top and left, `bottomRight` along the rest.
void Bevel(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    UniqueGdi<HPEN> light(CreatePen(PS_SOLID, 1, topLeft));
    UniqueGdi<HPEN> dark(CreatePen(PS_SOLID, 1, bottomRight));
    {
        Selected pen(dc, light.get());
        Line(dc, r.left, r.bottom - 1, r.left, r.top);
        Line(dc, r.left, r.top, r.right - 1, r.top);
    }
    Selected pen(dc, dark.get());
    Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1);
    Line(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1);
}

}  // namespace

CIconButton::CIconButton()
    : background_(GetSysColor(COLOR_BTNFACE)),
      activeBackground_(GetSysColor(COLOR_BTNFACE)),
      text_(GetSysColor(COLOR_BTNTEXT)),
      activeText_(GetSysColor(COLOR_BTNTEXT)) {}

void CIconButton::OnSubclassed() {
    // The default-button style gives way to owner drawing; the dialog keeps
    // treating the button as its default through DM_GETDEFID.
    const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
    SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
}

void CIconButton::SetIcons(int hover, int normal, int disabled) {
    hover_.reset(LoadIconResource(hover));
    normal_.reset(LoadIconResource(normal));
    disabled_.reset(LoadIconResource(disabled));
    const SIZE size = IconSize(hover_.get());
    iconWidth_ = size.cx;
    iconHeight_ = size.cy;
    Redraw();
}

void CIconButton::SetAnimation(int first, int second, int third, int fourth) {
    const int ids[] = {first, second, third, fourth};
    for (size_t i = 0; i < frames_.size(); ++i)
        frames_[i].reset(LoadIconResource(ids[i]));
    hover_.reset(LoadIconResource(first));
    const SIZE size = IconSize(hover_.get());
    iconWidth_ = size.cx;
    iconHeight_ = size.cy;
    Redraw();
}

void CIconButton::StartIconAnimation() {
    // A second start keeps the running animation: nothing is swapped out to lose.
    if (animating_ || hwnd() == nullptr) return;
    if (SetTimer(hwnd(), kAnimationTimer, kAnimationPeriodMs, nullptr) == 0) return;
    animating_ = true;
    frame_ = 0;
}

void CIconButton::StopIconAnimation() {
    if (!animating_) return;
    if (hwnd() != nullptr) KillTimer(hwnd(), kAnimationTimer);
    animating_ = false;
    Redraw();
}

void CIconButton::Redraw() {
    if (hwnd() == nullptr) return;
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

HICON CIconButton::IconFor(const ButtonLook& look) const {
    switch (ChooseIcon(look)) {
        case IconSlot::Disabled:
            return disabled_.get();
        case IconSlot::AnimationFrame:
            return frames_[static_cast<size_t>(frame_)].get();
        case IconSlot::Hover:
            return hover_.get();
        case IconSlot::Normal:
            return normal_.get();
    }
    return nullptr;
}

void CIconButton::Draw(const DRAWITEMSTRUCT& item) {
    RECT rect = item.rcItem;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Drawn off screen, then copied at once: no flicker.
    MemoryCanvas canvas(item.hDC, width, height);
    const bool buffered = canvas.ok() && GetDeviceCaps(item.hDC, TECHNOLOGY) != DT_RASPRINTER;
    HDC dc = buffered ? canvas.dc() : item.hDC;

    ButtonLook look;
    look.pressed = (item.itemState & ODS_SELECTED) != 0;
    look.disabled = (item.itemState & ODS_DISABLED) != 0;
    look.hover = hoverState_.hover || animating_;
    look.animating = animating_;
    look.hasNormal = normal_.get() != nullptr;
    const bool active = look.hover || look.pressed;

    UniqueGdi<HBRUSH> fill(CreateSolidBrush(active ? activeBackground_ : background_));
    FillRect(dc, &rect, fill.get());
    if (look.pressed) {
        Bevel(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    } else if (look.hover && !look.disabled) {
        Bevel(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    }

    const int shift = look.pressed ? 1 : 0;
    char caption[128] = "";
    GetWindowTextA(hwnd(), caption, sizeof caption);
    HICON icon = IconFor(look);
    RECT textArea = rect;
    if (icon != nullptr) {
        int x = (width - iconWidth_) / 2;
        const int y = (height - iconHeight_) / 2;
        if (caption[0] != '\0') {
            x = 3;
            textArea.left = x + iconWidth_ + 3;
        }
        DrawIconEx(dc, x + shift, y + shift, icon, iconWidth_, iconHeight_, 0, nullptr, DI_NORMAL);
    }
    if (caption[0] != '\0') {
        OffsetRect(&textArea, shift, shift);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, active ? activeText_ : text_);
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
        Selected selectedFont(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
        if (look.disabled) {
            // Embossed, the mnemonic's ampersand kept, centred in the caption area.
            RECT measured{};
            DrawTextA(dc, caption, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
            const int x = textArea.left + (textArea.right - textArea.left - measured.right) / 2;
            const int y = textArea.top + (textArea.bottom - textArea.top - measured.bottom) / 2;
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), 0, x, y,
                       measured.right, measured.bottom, DST_PREFIXTEXT | DSS_DISABLED);
        } else {
            DrawTextA(dc, caption, -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    if (buffered) BitBlt(item.hDC, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

void CIconButton::TrackMouse(LPARAM lParam, WPARAM keys) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client;
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, point) != FALSE;
    const bool owned = GetActiveWindow() != nullptr && GetParent(hwnd()) != nullptr;
    const HoverState before = hoverState_;
    HoverState after = OnMouseMove(before, inside && owned, (keys & MK_LBUTTON) != 0);
    if (after.captured && !before.captured) SetCapture(hwnd());
    if (!after.captured && before.captured && GetCapture() == hwnd()) ReleaseCapture();
    hoverState_ = after;
    if (after.hover != before.hover) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CIconButton::LetGo() {
    const HoverState before = hoverState_;
    hoverState_ = OnDisabledOrHidden(before);
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (before.hover) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CIconButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kReflected + WM_DRAWITEM:
            Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_LBUTTONDBLCLK:
            // A double click is one more press.
            return Default(WM_LBUTTONDOWN, wParam, lParam);
        case WM_MOUSEMOVE: {
            const LRESULT result = Default(message, wParam, lParam);
            TrackMouse(lParam, wParam);
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = Default(message, wParam, lParam);
            hoverState_.hover = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
            return result;
        }
        case WM_CAPTURECHANGED:
            if (hoverState_.captured && reinterpret_cast<HWND>(lParam) != hwnd()) {
                hoverState_ = {false, false};
                InvalidateRect(hwnd(), nullptr, FALSE);
            }
            return Default(message, wParam, lParam);
        case WM_ENABLE:
            if (wParam == FALSE) LetGo();
            return Default(message, wParam, lParam);
        case WM_SHOWWINDOW:
            if (wParam == FALSE) LetGo();
            return Default(message, wParam, lParam);
        case WM_TIMER:
            if (wParam == kAnimationTimer && animating_) {
                frame_ = (frame_ + 1) % static_cast<int>(frames_.size());
                InvalidateRect(hwnd(), nullptr, FALSE);
                return 0;
            }
            return Default(message, wParam, lParam);
        case WM_DESTROY:
            if (animating_) KillTimer(hwnd(), kAnimationTimer);
            animating_ = false;
            return Default(message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace z8::ui
