#pragma once

#include "device/scan_parameter_block.h"
#include "settings/scan_settings.h"

namespace z8 {

// The block of a preview: the whole physical area at 80 dots per inch, in
// colour or grey as the selected source previews (an unknown kind keeps the
// previous block's mode), neutral brightness and colours. Starts from the
// block sent last.
ScanParameterBlock PreviewBlock(const CScanSettings& settings, ScanParameterBlock block);

// The block of a final scan from the settings: the pixel type, brightness,
// colour corrections, resolution and selected area. Records the area as the
// pixel frame and sets the bit depth that goes with the pixel type, so the
// page's rows are what the transfers expect.
ScanParameterBlock FinalBlock(CScanSettings& settings, ScanParameterBlock block);

}  // namespace z8
