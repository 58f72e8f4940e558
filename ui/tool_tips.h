#pragma once

#include <windows.h>

#include <span>

namespace z8::ui {

// A control and the string that explains it.
struct ToolTipText {
    int control;
    unsigned text;
};

// The dialog's tool-tip window (blue texts, at most 200 pixels wide) with a
// tip for each control, texts from the current resource module; null when
// the window cannot be made. It belongs to the dialog and goes with it.
HWND CreateToolTips(HWND dialog, std::span<const ToolTipText> tips);

}  // namespace z8::ui
