#pragma once

#include <string>

namespace z8 {

// Starts a command line (its first token names the program) with the caller's
// environment and current directory, no inherited handles, and waits for it
// to end without a time limit. False when the process cannot be created. The
// command line must be shorter than kMaxCommandLine bytes.
constexpr size_t kMaxCommandLine = 260;
bool RunProcessAndWait(const std::string& commandLine);

}  // namespace z8
