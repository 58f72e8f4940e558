#pragma once

#include "tools/z8scan/dsm_client.h"
#include "tools/z8scan/sessions_plan.h"

namespace z8scan {

// `z8scan sessions`: every session an acquisition as `z8scan acquire` runs
// it, the figures printed after the first and every tenth; 0 when every
// session succeeded and the figures ended where the first session left them.
int RunSessions(DsmClient& dsm, const SessionsOptions& options);

}  // namespace z8scan
