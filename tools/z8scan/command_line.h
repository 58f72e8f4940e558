#pragma once

#include <string>
#include <vector>

namespace z8scan {

enum class Command { Help, List, Session };

struct Options {
    Command command = Command::Help;
    std::string source;    // product name; empty: the manager's default source
    bool showUI = true;    // --ui / --no-ui
    bool verbose = false;  // print every triplet's return and condition codes
    int holdSeconds = 0;   // end the session after this long without a transfer (0: wait)
    int cycles = 1;        // open/enable/disable/close cycles in one process
    int escapeAfter = 0;   // press Esc in the source's dialog after this long (0: never)
};

struct ParseResult {
    bool ok = false;
    Options options;
    std::string error;  // set when !ok
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);
const char* UsageText();

}  // namespace z8scan
