#pragma once

#include <memory>

#include "imaging/adjustments.h"
#include "imaging/image.h"
#include "settings/scan_settings.h"

namespace z8 {

// What a box of width × height pixels shows of a picture: a copy at the box's
// size with the display adjustments of the settings (so each redraw adjusts
// a small copy, never the whole preview). Nothing for a box without area or
// when the copy cannot be made.
std::unique_ptr<Image> AdjustedView(const Image& picture, int width, int height,
                                    const CScanSettings& settings, DisplayMode mode);

}  // namespace z8
