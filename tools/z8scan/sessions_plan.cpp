#include "tools/z8scan/sessions_plan.h"

#include <algorithm>

namespace z8scan {

const char* SessionsUsage() {
    return "usage: z8scan [--manager twain32|twaindsm] sessions [--count N]\n"
           "                [--kinds native,memory,file] [ACQUIRE OPTIONS]\n"
           "\n"
           "Runs N whole acquisitions in this process (default 100): open the source,\n"
           "enable it, scan, transfer, disable, close. Session n transfers by the nth\n"
           "kind in turn (default native,memory); each round of kinds runs without the\n"
           "dialog, the next with it, Scan pressed. Any acquire option (z8scan acquire\n"
           "--help) applies to every session. After the first session and every tenth\n"
           "it prints the process's handles, private bytes, bytes in use in its\n"
           "heaps, threads and top-level windows; at the end the handles, threads\n"
           "and windows must be where they were after the first session, the heap\n"
           "bytes within 16 KiB and the private bytes within 512 KiB of what they\n"
           "were halfway.\n"
           "\n"
           "exit codes: 0 every session succeeded and nothing grew, 1 otherwise, 2 bad\n"
           "command line\n";
}

SessionsParse ParseSessions(const std::vector<std::string>& args) {
    SessionsParse result;
    SessionsOptions& o = result.options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.help = true;
        } else if (arg == "--count" || arg == "--kinds") {
            if (i + 1 == args.size()) {
                result.error = arg + " needs a value";
                return result;
            }
            const std::string& value = args[++i];
            if (arg == "--count") {
                if (!ParseCount(value, 1, 10000, o.count)) {
                    result.error = "--count takes a number of sessions from 1 to 10000";
                    return result;
                }
                continue;
            }
            o.kinds.clear();
            for (size_t start = 0; start <= value.size();) {
                const size_t comma = std::min(value.find(',', start), value.size());
                const std::string kind = value.substr(start, comma - start);
                if (kind != "native" && kind != "memory" && kind != "file") {
                    result.error = "--kinds takes native, memory and file, separated by commas";
                    return result;
                }
                o.kinds.push_back(kind);
                start = comma + 1;
            }
        } else {
            o.acquire.push_back(arg);
        }
    }
    const AcquireParse acquire = ParseAcquire(SessionArguments(o, 1));
    if (!acquire.ok) {
        result.error = acquire.error;
        return result;
    }
    result.ok = true;
    return result;
}

std::vector<std::string> SessionArguments(const SessionsOptions& options, int n) {
    const size_t kinds = options.kinds.size();
    const size_t index = static_cast<size_t>(n - 1);
    std::vector<std::string> args = options.acquire;
    args.push_back("--" + options.kinds[index % kinds]);
    if ((index / kinds) % 2 == 1) {
        args.push_back("--ui");
        args.push_back("--press-scan");
    }
    return args;
}

std::string DescribeFigures(const ProcessFigures& f) {
    return std::to_string(f.handles) + " handles, " + std::to_string(f.privateBytes / 1024) +
           " KiB private, " + std::to_string(f.heapBytes / 1024) + " KiB in heaps, " +
           std::to_string(f.threads) + " threads, " + std::to_string(f.windows) + " windows";
}

std::string Growth(const ProcessFigures& first, const ProcessFigures& halfway,
                   const ProcessFigures& last) {
    std::string grown;
    const auto check = [&](const char* what, uint64_t before, uint64_t after, uint64_t slack) {
        if (after <= before + slack) return;
        if (!grown.empty()) grown += ", ";
        grown += std::string(what) + " " + std::to_string(before) + " -> " + std::to_string(after);
    };
    check("handles", first.handles, last.handles, 0);
    check("heap bytes since halfway", halfway.heapBytes, last.heapBytes, kHeapBytesSlack);
    check("private bytes since halfway", halfway.privateBytes, last.privateBytes,
          kPrivateBytesSlack);
    check("threads", first.threads, last.threads, 0);
    check("windows", first.windows, last.windows, 0);
    return grown;
}

}  // namespace z8scan
