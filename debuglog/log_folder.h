#pragma once

#include <string>

namespace z8 {

// Where a log without a path of its own is written: the Windows directory on
// Windows, the current directory elsewhere; empty when it cannot be read.
std::string DefaultLogFolder();

}  // namespace z8
