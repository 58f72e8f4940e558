#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/z8scan/dialog_script.h"

namespace z8scan {

// The shown top-level window of this process of the given kind, or null.
// Reads no window text, so a busy window's thread cannot hold it up.
HWND FindSourceWindow(WindowKind kind);

// Readings that travel as messages to the window's thread: false when it did
// not answer within timeoutMs. Texts are UTF-8.
bool ReadWindowText(HWND window, int timeoutMs, std::string& text);
// The entries of a combo or list box.
bool ReadEntries(HWND control, int timeoutMs, std::vector<std::string>& entries);

// The window or one of its descendants has a region waiting for WM_PAINT.
bool PaintPending(HWND window);

std::string WindowClass(HWND window);
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

}  // namespace z8scan
