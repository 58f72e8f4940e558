#include "ui/framework/controls.h"

#include <commctrl.h>

namespace z8::ui {

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ != nullptr ? SendMessageA(hwnd_, message, wParam, lParam) : 0;
}

void Control::Enable(bool enabled) const {
    if (hwnd_ != nullptr) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Control::IsEnabled() const {
    return hwnd_ != nullptr && IsWindowEnabled(hwnd_) != FALSE;
}

void Control::Show(bool visible) const {
    if (hwnd_ != nullptr) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::IsVisible() const {
    return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE;
}

void Control::SetText(const std::string& text) const {
    if (hwnd_ != nullptr) SetWindowTextA(hwnd_, text.c_str());
}

std::string Control::Text() const {
    if (hwnd_ == nullptr) return {};
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

RECT Control::RectInParent() const {
    RECT area{};
    if (hwnd_ == nullptr) return area;
    GetWindowRect(hwnd_, &area);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Control::Focus() const {
    if (hwnd_ != nullptr) SetFocus(hwnd_);
}

void Button::SetPushed(bool pushed) const {
    Send(BM_SETSTATE, pushed ? TRUE : FALSE, 0);
}

int ComboBox::Count() const {
    return static_cast<int>(Send(CB_GETCOUNT, 0, 0));
}

std::string ComboBox::ItemText(int index) const {
    const auto length = static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = static_cast<int>(
        Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

int ComboBox::Add(const std::string& text) const {
    if (hwnd() == nullptr) return -1;
    const auto index =
        static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    return index >= 0 ? index : -1;
}

void ComboBox::Remove(int index) const {
    Send(CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ComboBox::Clear() const {
    Send(CB_RESETCONTENT, 0, 0);
}

int ComboBox::Selection() const {
    return hwnd() != nullptr ? static_cast<int>(Send(CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::Select(int index) const {
    Send(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::LimitText(int characters) const {
    Send(CB_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void ProgressBar::SetRange(int low, int high) const {
    Send(PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void ProgressBar::SetPosition(int position) const {
    Send(PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int ProgressBar::Position() const {
    return static_cast<int>(Send(PBM_GETPOS, 0, 0));
}

void ProgressBar::SetBarColour(COLORREF colour) const {
    Send(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(colour));
}

void TrackBar::SetRange(int low, int high) const {
    Send(TBM_SETRANGEMIN, FALSE, low);
    Send(TBM_SETRANGEMAX, TRUE, high);
}

void TrackBar::SetPosition(int position) const {
    Send(TBM_SETPOS, TRUE, position);
}

int TrackBar::Position() const {
    return static_cast<int>(Send(TBM_GETPOS, 0, 0));
}

}  // namespace z8::ui
