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
    uint64_t heapBytes = 0;
    uint64_t threads = 0;
    uint64_t windows = 0;
};

// Memory is measured from halfway because the first sessions with the dialog
// load what the system keeps for the whole process (under Wine about 2 MiB in
// the first twenty: its controls, fonts and heap segments).
// The bytes in use in the process's heaps hold what the source and the
// system's libraries allocate and do not free: a leaked string, record or
// page buffer a session passes this slack well before the end. Wine's
// twain_32.dll keeps about 240 bytes a session of its own (a block of 216
// bytes numbered by the identity it gave each opened source, and one of 24),
// within it; through TWAINDSM.dll the heaps end exactly where they were.
inline constexpr uint64_t kHeapBytesSlack = 16 * 1024;
// Private bytes also count freed pages a heap keeps and, under Wine, memory of
// its own outside the heaps (the resident anonymous memory, which drifts by a
// few KiB a session with every heap's busy bytes flat); a leak of a page or a
// dialog a session still passes this slack long before the end.
inline constexpr uint64_t kPrivateBytesSlack = 512 * 1024;

std::string DescribeFigures(const ProcessFigures& figures);
// Empty when the handles, threads and windows of `last` are where `first`
// had them and its heap and private bytes within their slacks of `halfway`'s,
// else what grew.
std::string Growth(const ProcessFigures& first, const ProcessFigures& halfway,
                   const ProcessFigures& last);

}  // namespace z8scan
