#pragma once

#include "tools/z8scan/sessions_plan.h"

namespace z8scan {

// This process's handles (GetProcessHandleCount), private bytes
// (PrivateUsage), threads (a toolhelp snapshot) and top-level windows.
ProcessFigures TakeProcessFigures();

}  // namespace z8scan
