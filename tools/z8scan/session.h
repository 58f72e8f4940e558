#pragma once

#include "tools/z8scan/command_line.h"
#include "tools/z8scan/dsm_client.h"

namespace z8scan {

// One application session with a source: open, enable, event loop, disable,
// close, or for the capability command open, the steps, close; repeated
// options.cycles times. Returns the process exit code.
int RunSession(DsmClient& dsm, const Options& options);

}  // namespace z8scan
