#pragma once

#include <windows.h>

#include <string>

#include "tools/z8scan/dialog_script.h"

namespace z8scan {

// Posts the window messages of a user's action on a control (click, select,
// select-index, type, drag, slide), as the mouse and keyboard would bring
// them, so that they reach the application through its message loop. A
// hidden or disabled control, or one in a disabled window, is refused: a user
// could not reach it. False with the reason; readings of the control give its
// thread timeoutMs to answer. The caller waits for the messages to be taken.
bool PostInput(const ScriptStep& step, HWND target, int timeoutMs, std::string& why);

}  // namespace z8scan
