#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/z8scan/command_line.h"
#include "twain/twain.h"

namespace z8scan {

enum class Mechanism { Native, Memory, File };

// What `z8scan acquire` is asked to do.
struct AcquireOptions {
    std::string source;              // product name; empty: the manager's default source
    std::string appName = "z8scan";  // the product name this application presents
    std::string script;              // a dialog script run during the acquisition; empty: none
    bool showUI = false;
    bool pressScan = false;  // with the dialog: click its Scan button
    Mechanism mechanism = Mechanism::Native;
    bool handle = false;  // memory strips in a TWMF_HANDLE block, else TWMF_POINTER
    // Strip size: "preferred", "min", "max" of DAT_SETUPMEMXFER, or bytes.
    std::string strip = "preferred";
    std::string out = ".";  // folder of the page-N.bmp files
    // File transfers: the name set up (empty: FOLDER/page-N.bmp) and format.
    std::string fileName;
    TW_UINT16 fileFormat = TWFF_BMP;
    int timeoutSeconds = 120;
    bool verbose = false;
    // Capabilities set before enabling, in order (inches first when a
    // resolution or a frame is asked), and the frame in inches.
    std::vector<CapabilityStep> steps;
    std::optional<TW_FRAME> frame;
    // What real applications do.
    bool probe = false;             // ask what applications ask in states 4, 6 and 7
    bool resetAtReady = false;      // MSG_RESET at once, without a transfer
    int endAfterStrips = 0;         // MSG_ENDXFER after this many strips (0: never)
    bool shortBufferFirst = false;  // a strip one byte short of a row, then the proper one
    bool resetAfterEnd = false;     // MSG_RESET after the last MSG_ENDXFER
};

struct AcquireParse {
    bool ok = false;
    bool help = false;
    AcquireOptions options;
    std::string error;
};

// The arguments after the word acquire.
AcquireParse ParseAcquire(const std::vector<std::string>& args);
const char* AcquireUsage();

}  // namespace z8scan
