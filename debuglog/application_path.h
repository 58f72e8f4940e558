#pragma once

#include <string>

namespace z8 {

// The module path of the program that uses the log library, as its
// application object knows it; filters name their files after it. Empty (the
// start value) means the library runs without an application object.
void SetLogApplicationPath(const std::string& modulePath);
const std::string& LogApplicationPath();

}  // namespace z8
