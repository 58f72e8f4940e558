#include "tools/z8scan/command_line.h"

namespace z8scan {

const char* UsageText() {
    return "usage: z8scan <command> [options]\n"
           "\n"
           "Drives TWAIN data sources through the source manager (twain_32.dll).\n"
           "\n"
           "commands:\n"
           "  list       list every source the manager finds, with its identity\n"
           "  help       show this text (also -h, --help)\n"
           "\n"
           "exit codes: 0 success, 1 the manager or a source failed, 2 bad command line\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    if (args.empty()) {
        result.error = "no command given";
        return result;
    }
    const std::string& command = args[0];
    if (command == "help" || command == "-h" || command == "--help") {
        result.options.command = Command::Help;
    } else if (command == "list") {
        result.options.command = Command::List;
    } else {
        result.error = "unknown command '" + command + "'";
        return result;
    }
    if (args.size() > 1) {
        result.error = "unexpected argument '" + args[1] + "'";
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace z8scan
