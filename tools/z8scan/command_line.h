#pragma once

#include <string>
#include <vector>

#include "twain/twain.h"

namespace z8scan {

enum class Command { Help, List, Session, Capabilities };

// One capability operation: a DG_CONTROL/DAT_CAPABILITY message for one
// capability, or for every capability the source lists in CAP_SUPPORTEDCAPS.
struct CapabilityStep {
    TW_UINT16 msg = MSG_GET;  // MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_QUERYSUPPORT,
                              // MSG_SET or MSG_RESET
    bool all = false;
    TW_UINT16 cap = 0;
    // MSG_SET: the TW_ONEVALUE sent.
    TW_UINT16 itemType = 0;
    TW_UINT32 item = 0;
};

struct Options {
    Command command = Command::Help;
    std::string source;    // product name; empty: the manager's default source
    bool showUI = true;    // --ui / --no-ui
    bool verbose = false;  // print every triplet's return and condition codes
    int holdSeconds = 0;   // end the session after this long without a transfer (0: wait)
    int cycles = 1;        // open/enable/disable/close cycles in one process
    int escapeAfter = 0;   // press Esc in the source's dialog after this long (0: never)
    std::string script;    // the dialog script's file name; empty: none
    std::vector<CapabilityStep> steps;  // capability commands, in order
};

struct ParseResult {
    bool ok = false;
    Options options;
    std::string error;  // set when !ok
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

// A whole decimal number from min to max into out; false (out untouched)
// for anything else. Every z8scan count and option number is read so.
bool ParseCount(const std::string& text, int min, int max, int& out);

// The manager's library: twain_32.dll unless the arguments begin with
// "--manager twain32|twaindsm", which are then taken off them.
struct ManagerChoice {
    bool ok = false;
    std::string library;
    std::string error;  // set when !ok
};
ManagerChoice TakeManagerOption(std::vector<std::string>& args);

const char* UsageText();

}  // namespace z8scan
