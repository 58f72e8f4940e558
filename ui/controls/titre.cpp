#include "ui/controls/titre.h"

#include <cstring>

namespace z8::ui {

bool CTitre::Attach(HWND parent, int id, const std::string& text, COLORREF colour,
                    const char* faceName, int height, int weight) {
    applied_ = false;
    if (!Subclass(parent, id)) return false;
    LOGFONTA description{};
    description.lfHeight = height;
    description.lfWeight = weight;
    // The face name is cut to what the description holds.
    std::strncpy(description.lfFaceName, faceName != nullptr ? faceName : "",
                 sizeof description.lfFaceName - 1);
    font_.reset(CreateFontIndirectA(&description));
    if (font_.get() != nullptr) {
        SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    text_ = text;
    colour_ = colour;
    InvalidateRect(hwnd(), nullptr, TRUE);
    return true;
}

void CTitre::EraseUnder() {
    // The label has no background of its own: the parent repaints what lies under it.
    HWND parent = GetParent(hwnd());
    RECT area;
    GetWindowRect(hwnd(), &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(parent, &area, TRUE);
}

LRESULT CTitre::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        const LRESULT result = Default(message, wParam, lParam);
        EraseUnder();
        return result;
    }
    if (message == kReflected + WM_CTLCOLORSTATIC) {
        if (!applied_) {
            // The first colour request puts the text in: by then the font is in place.
            applied_ = true;
            SetWindowTextA(hwnd(), text_.c_str());
            InvalidateRect(hwnd(), nullptr, TRUE);
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour_);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    return Default(message, wParam, lParam);
}

}  // namespace z8::ui
