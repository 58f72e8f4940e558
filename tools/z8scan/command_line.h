#pragma once

#include <string>
#include <vector>

namespace z8scan {

enum class Command { Help, List };

struct Options {
    Command command = Command::Help;
};

struct ParseResult {
    bool ok = false;
    Options options;
    std::string error;  // set when !ok
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);
const char* UsageText();

}  // namespace z8scan
