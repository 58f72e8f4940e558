#pragma once

#include <cstdint>

#include "scanning/scan_job.h"

namespace z8 {

// Rows [first, first + count) of the page as the application receives them,
// each of the image's bytes per line, into `to`: the first scanned row first
// whatever the page's row order, colour as red, green, blue (padding
// included, as CopyRowSwappingRedAndBlue does). The rows must lie within the
// image; they are read in memory order.
void CopyStrip(const AcquiredPage& page, uint32_t first, uint32_t count, uint8_t* to);

// The page as a bottom-up packed DIB in a new block of the image's global
// memory, which the application frees: pages kept in scan order are turned
// over in the copy, the page itself stays as it is. Null when the memory
// cannot be had.
GlobalHandle ExportPageDib(const AcquiredPage& page);

}  // namespace z8
