#include "tools/z8scan/command_line.h"

#include <charconv>

namespace z8scan {
namespace {

bool ParseCount(const std::string& text, int min, int max, int& out) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < min || value > max) return false;
    out = value;
    return true;
}

}  // namespace

const char* UsageText() {
    return "usage: z8scan <command> [options]\n"
           "\n"
           "Drives TWAIN data sources through the source manager (twain_32.dll).\n"
           "\n"
           "commands:\n"
           "  list       list every source the manager finds, with its identity\n"
           "  session    open a source, enable it, pass every window message through\n"
           "             it until it reports a transfer or a close request, then\n"
           "             disable and close it\n"
           "  help       show this text (also -h, --help)\n"
           "\n"
           "session options:\n"
           "  --source NAME    the source's product name (default: the manager's default)\n"
           "  --ui / --no-ui   enable with or without the source's dialog (default --ui)\n"
           "  --hold SECONDS   end the session after this long if nothing happened\n"
           "  --cycles N       repeat the whole session N times in this process (1-100)\n"
           "  --escape-after SECONDS  press Esc in the source's dialog after this long\n"
           "  --verbose        print each triplet with its return and condition codes\n"
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
    } else if (command == "session") {
        result.options.command = Command::Session;
    } else {
        result.error = "unknown command '" + command + "'";
        return result;
    }
    const bool session = result.options.command == Command::Session;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (session && arg == "--ui") {
            result.options.showUI = true;
        } else if (session && arg == "--no-ui") {
            result.options.showUI = false;
        } else if (session && arg == "--verbose") {
            result.options.verbose = true;
        } else if (session && arg == "--source" && hasValue) {
            result.options.source = args[++i];
        } else if (session && arg == "--hold" && hasValue) {
            if (!ParseCount(args[++i], 1, 3600, result.options.holdSeconds)) {
                result.error = "--hold takes a number of seconds from 1 to 3600";
                return result;
            }
        } else if (session && arg == "--cycles" && hasValue) {
            if (!ParseCount(args[++i], 1, 100, result.options.cycles)) {
                result.error = "--cycles takes a number from 1 to 100";
                return result;
            }
        } else if (session && arg == "--escape-after" && hasValue) {
            if (!ParseCount(args[++i], 1, 3600, result.options.escapeAfter)) {
                result.error = "--escape-after takes a number of seconds from 1 to 3600";
                return result;
            }
        } else if (session && (arg == "--source" || arg == "--hold" || arg == "--cycles" ||
                               arg == "--escape-after")) {
            result.error = arg + " needs a value";
            return result;
        } else {
            result.error = "unexpected argument '" + arg + "'";
            return result;
        }
    }
    result.ok = true;
    return result;
}

}  // namespace z8scan
