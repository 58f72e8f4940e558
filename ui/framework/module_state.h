#pragma once

#include <windows.h>

namespace z8::ui {

// The library's own module and the module its resources are taken from (a
// resource library in another language, or the library itself).
HINSTANCE InstanceModule();
HINSTANCE ResourceModule();
void SetInstanceModule(HINSTANCE module);
void SetResourceModule(HINSTANCE module);

}  // namespace z8::ui
