#pragma once

#include <vector>

#include "tools/z8scan/command_line.h"
#include "tools/z8scan/dialog_script.h"
#include "tools/z8scan/dsm_client.h"

namespace z8scan {

// One application session with a source: open, enable, event loop, disable,
// close, or for the capability command open, the steps, close; repeated
// options.cycles times. With a script, the event loop runs until its last
// step. Returns the process exit code.
int RunSession(DsmClient& dsm, const Options& options, const std::vector<ScriptStep>& script);

}  // namespace z8scan
