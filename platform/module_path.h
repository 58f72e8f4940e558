#pragma once

#include <string>

namespace z8 {

// The full path of the running program's file (GetModuleFileNameA of the
// process on Windows); empty when it cannot be obtained.
std::string ModuleFilePath();

}  // namespace z8
