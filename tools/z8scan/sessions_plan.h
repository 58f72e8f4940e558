#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/z8scan/acquire_options.h"

namespace z8scan {

// `z8scan sessions`: many whole acquisitions in one process, the transfer
// kinds in turn, with and without the dialog, the process's resources
// watched.
struct SessionsOptions {
    int count = 100;
    std::vector<std::string> kinds{"native", "memory"};
    std::vector<std::string> acquire;  // passed to every acquisition
};

struct SessionsParse {
    bool ok = false;
    bool help = false;
    SessionsOptions options;
    std::string error;
};

// The arguments after the word sessions: --count N and --kinds LIST; any
// other argument is an acquire option (checked here).
SessionsParse ParseSessions(const std::vector<std::string>& args);
const char* SessionsUsage();

// The acquire arguments of session n (from 1): the kinds in turn, each round
// of kinds without the dialog, the next with it (Scan pressed).
std::vector<std::string> SessionArguments(const SessionsOptions& options, int n);

// What the process holds.
struct ProcessFigures {
    uint64_t handles = 0;
    uint64_t privateBytes = 0;
    uint64_t threads = 0;
    uint64_t windows = 0;
};

// Private bytes may end this far above where they were halfway: the heap
// keeps some freed pages and its free lists are fragmented differently by
// each page and dialog. They are measured from halfway because the first
// sessions with the dialog load what the system keeps for the whole process
// (under Wine about 2 MiB in the first twenty: its controls, fonts and heap
// segments); a leak of a page or a dialog per session passes the slack long
// before the end.
inline constexpr uint64_t kPrivateBytesSlack = 256 * 1024;

std::string DescribeFigures(const ProcessFigures& figures);
// Empty when the handles, threads and windows of `last` are where `first`
// had them and its private bytes within the slack of `halfway`'s, else what
// grew.
std::string Growth(const ProcessFigures& first, const ProcessFigures& halfway,
                   const ProcessFigures& last);

}  // namespace z8scan
