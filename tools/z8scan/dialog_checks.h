#pragma once

#include <windows.h>

#include <string>

#include "tools/z8scan/dialog_script.h"

namespace z8scan {

// Tests a check step (text, states, entries, pixel, size) once against its
// window. False with what was found instead; readings that need the
// window's thread give it timeoutMs to answer.
bool EvaluateCheck(const ScriptStep& step, HWND target, int timeoutMs, std::string& why);

// A text for a report line: quoted, so that blanks show.
std::string Quoted(const std::string& text);

}  // namespace z8scan
