#pragma once

#include <vector>

#include "tools/z8scan/command_line.h"
#include "tools/z8scan/dsm_client.h"

namespace z8scan {

// Sends each step to the open source through the manager and prints one line
// per message: the container received (then freed), "ok" when none came back,
// or the refusal with its condition code. Ends with the count of containers
// received and freed. False when a step was refused or a container could not
// be freed.
bool RunCapabilitySteps(DsmClient& dsm, TW_IDENTITY& source,
                        const std::vector<CapabilityStep>& steps);

}  // namespace z8scan
