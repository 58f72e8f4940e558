#pragma once

#include "imaging/adjustments.h"
#include "settings/scan_settings.h"

namespace z8 {

// The adjustments the settings ask for, as the scan and the display apply them.
AdjustmentSettings AdjustmentsOf(const CScanSettings& settings);

}  // namespace z8
