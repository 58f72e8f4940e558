#pragma once

#include <windows.h>

#include "platform/string_table.h"

namespace z8::ui {

// The library's own module and the module its resources are taken from (a
// resource library in another language, or the library itself).
HINSTANCE InstanceModule();
HINSTANCE ResourceModule();
void SetInstanceModule(HINSTANCE module);
void SetResourceModule(HINSTANCE module);

// The texts of the resource module, whichever it is when a text is loaded.
const StringTable& ResourceStrings();

}  // namespace z8::ui
