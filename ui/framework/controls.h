#pragma once

#include <windows.h>

#include <string>

namespace z8::ui {

// Non-owning handles of a dialog's controls: one method per message. They
// are cheap to make from a dialog item each time they are needed; the window
// stays the dialog's. On a null handle every call does nothing and every
// query answers empty, 0 or -1.
class Control {
public:
    Control() = default;
    explicit Control(HWND window) : hwnd_(window) {}

    HWND hwnd() const { return hwnd_; }
    void Enable(bool enabled) const;
    bool IsEnabled() const;
    void Show(bool visible) const;
    bool IsVisible() const;
    void SetText(const std::string& text) const;
    std::string Text() const;
    // The window's rectangle in the client coordinates of its parent.
    RECT RectInParent() const;
    void Focus() const;

protected:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND hwnd_ = nullptr;
};

class Button : public Control {
public:
    using Control::Control;
    // Shown pushed in (or not) until the next click.
    void SetPushed(bool pushed) const;
};

class Static : public Control {
public:
    using Control::Control;
};

// A combo box; the edit field of an editable one is its text.
class ComboBox : public Control {
public:
    using Control::Control;
    int Count() const;
    std::string ItemText(int index) const;
    // The new entry's index, or -1.
    int Add(const std::string& text) const;
    void Remove(int index) const;
    void Clear() const;
    // -1 when nothing is selected.
    int Selection() const;
    // -1 clears the selection (and the edit field).
    void Select(int index) const;
    // Characters the edit field accepts.
    void LimitText(int characters) const;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    void SetRange(int low, int high) const;
    void SetPosition(int position) const;
    int Position() const;
    void SetBarColour(COLORREF colour) const;
};

class TrackBar : public Control {
public:
    using Control::Control;
    void SetRange(int low, int high) const;
    void SetPosition(int position) const;
    int Position() const;
};

}  // namespace z8::ui
