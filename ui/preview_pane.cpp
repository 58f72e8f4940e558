#include "ui/preview_pane.h"

#include <windowsx.h>

#include "ui/preview_selection.h"

namespace z8::ui {
namespace {

LPCSTR CursorResource(TrackerCursor cursor) {
    switch (cursor) {
        case TrackerCursor::SizeNwSe:
            return IDC_SIZENWSE;
        case TrackerCursor::SizeNeSw:
            return IDC_SIZENESW;
        case TrackerCursor::SizeNorthSouth:
            return IDC_SIZENS;
        case TrackerCursor::SizeWestEast:
            return IDC_SIZEWE;
        case TrackerCursor::Move:
            return IDC_SIZEALL;
        case TrackerCursor::Default:
            break;
    }
    return nullptr;
}

}  // namespace

CPreviewPane::~CPreviewPane() {
    if (hwnd() != nullptr) OnDetach();
}

bool CPreviewPane::AttachPane(HWND pane) {
    if (!Attach(pane)) return false;
    SetPreviewImage(nullptr);
    return true;
}

void CPreviewPane::SetPreviewImage(std::unique_ptr<Image> image) {
    image_ = std::move(image);
    if (image_ == nullptr) ResetSelection();
}

void CPreviewPane::ResetSelection() {
    hasSelection_ = false;
    tracker_.rect = PixelRect{};
}

std::optional<PixelRect> CPreviewPane::Selection() const {
    if (!hasSelection_) return std::nullopt;
    return tracker_.rect;
}

void CPreviewPane::Invalidate() const {
    if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CPreviewPane::OnDetach() {
    ClipCursor(nullptr);
    SetPreviewImage(nullptr);
}

LRESULT CPreviewPane::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND: {
            CallPrevious(message, wParam, lParam);
            RECT area;
            GetClientRect(hwnd(), &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area,
                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            return 1;
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == hwnd() && hasSelection_ && SetTrackerCursor())
                return TRUE;
            break;
        case WM_LBUTTONDOWN:
            // Before the first preview there is nothing to select.
            if (image_ != nullptr)
                OnLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            break;
        case WM_LBUTTONUP:
            ClipCursor(nullptr);
            break;
        default:
            break;
    }
    return CallPrevious(message, wParam, lParam);
}

void CPreviewPane::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    if (dc == nullptr) return;
    RECT area;
    GetClientRect(hwnd(), &area);
    owner_.RenderPreview(dc, area);
    if (hasSelection_) tracker_.Draw(dc);
    EndPaint(hwnd(), &paint);
}

bool CPreviewPane::SetTrackerCursor() {
    POINT point;
    if (!GetCursorPos(&point) || !ScreenToClient(hwnd(), &point)) return false;
    const LPCSTR cursor =
        CursorResource(CursorForHit(HitTestTracker(tracker_.rect, point.x, point.y)));
    if (cursor == nullptr) return false;
    SetCursor(LoadCursorA(nullptr, cursor));
    return true;
}

void CPreviewPane::OnLeftButtonDown(POINT click) {
    RECT client;
    GetClientRect(hwnd(), &client);
    RECT confine = client;
    MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&confine), 2);
    ClipCursor(&confine);

    const TrackerHit hit =
        hasSelection_ ? HitTestTracker(tracker_.rect, click.x, click.y) : TrackerHit::Nothing;
    std::optional<PixelRect> selection;
    bool redraw = true;
    if (hit == TrackerHit::Nothing) {
        // A click, a small or a cancelled rubber band leave no selection.
        PixelRect dragged;
        if (RectTracker::TrackRubberBand(hwnd(), click, dragged))
            selection = SelectionFromDrag(dragged, client.right, client.bottom, true);
    } else if (tracker_.Track(hwnd(), click, hit)) {
        selection = SelectionFromDrag(tracker_.rect, client.right, client.bottom, false);
    } else {
        selection = Selection();
        redraw = false;
    }
    hasSelection_ = selection.has_value();
    tracker_.rect = selection.value_or(PixelRect{});
    if (redraw) Redraw();

    ClipCursor(nullptr);
    owner_.SelectionMade(Selection(), client.right, client.bottom);
}

void CPreviewPane::Redraw() {
    Invalidate();
    UpdateWindow(hwnd());
}

}  // namespace z8::ui
