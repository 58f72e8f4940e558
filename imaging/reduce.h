#pragma once

#include <memory>

#include "imaging/image.h"

namespace z8 {

// A new 8-bit image of grey levels (BT.601 luminance of each pixel's colour)
// with a grey-ramp table; same size and resolution. Nothing when the memory
// cannot be had.
std::unique_ptr<Image> ReduceToGrey(const Image& image);

// A new 1-bit image, black (index 0) and white (index 1), by Floyd-Steinberg
// error diffusion of the grey levels, from the top row of the picture down
// and left to right. Error diffusion rather than an ordered matrix: pictures
// reduced here are shown small (the preview pane, the sample box), where a
// fixed matrix beats against the reduction and the screen's stretching into
// visible grids, while diffusion keeps each area's average tone and the edges
// of text. The result depends on the pixels only, so the same picture always
// shows the same dots. Nothing when the memory cannot be had.
std::unique_ptr<Image> ReduceToBlackAndWhite(const Image& image);

}  // namespace z8
