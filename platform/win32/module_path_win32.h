#pragma once

#include <windows.h>

#include <string>

namespace z8 {

// The full path of a loaded module's file (null: the program); empty when it
// cannot be obtained.
std::string ModuleFilePathOf(HMODULE module);

}  // namespace z8
