#pragma once

#include <vector>

#include "tools/z8scan/acquire_options.h"
#include "tools/z8scan/dialog_script.h"
#include "tools/z8scan/dsm_client.h"

namespace z8scan {

// `z8scan acquire`: opens the source, sets what is asked, enables it, waits
// for MSG_XFERREADY and transfers every page into a BMP file until
// MSG_ENDXFER answers Count 0, then disables and closes it. Prints one line
// per page; 0 when every step succeeded and every page was written, else 1.
// A script, when given, is worked by a driver thread from before the source
// is enabled to its last step, and must pass too.
int RunAcquire(DsmClient& dsm, const AcquireOptions& options,
               const std::vector<ScriptStep>& script);

}  // namespace z8scan
