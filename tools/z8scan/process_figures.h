#pragma once

#include "tools/z8scan/sessions_plan.h"

namespace z8scan {

// This process's handles (GetProcessHandleCount, or the valid handle values
// where it answers 0), private bytes (the private commit charge), bytes in use
// in its heaps (a walk of each), threads (a toolhelp snapshot) and top-level
// windows.
ProcessFigures TakeProcessFigures();

}  // namespace z8scan
