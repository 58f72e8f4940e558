#pragma once

#include "tools/z8scan/acquire_options.h"
#include "tools/z8scan/dsm_client.h"

namespace z8scan {

// `z8scan acquire`: opens the source, sets what is asked, enables it, waits
// for MSG_XFERREADY and transfers every page into a BMP file until
// MSG_ENDXFER answers Count 0, then disables and closes it. Prints one line
// per page; 0 when every step succeeded and every page was written, else 1.
int RunAcquire(DsmClient& dsm, const AcquireOptions& options);

}  // namespace z8scan
