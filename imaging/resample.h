#pragma once

#include <cstdint>
#include <memory>

#include "imaging/image.h"

namespace z8 {

// A new image of width × height pixels with the same depth and colour table.
// Each target pixel is the average of the source area it covers, weighted by
// the exact overlap (area averaging): shrinking keeps every source pixel's
// share, enlarging blends at most two neighbours. A width or height of 0
// means the source's own (so 0 × 0 is an exact copy); a negative one, or a
// size that does not fit, gives nothing. 1-bit results keep, per pixel, the
// colour nearest the averaged level. The resolution is scaled with the size,
// so the picture keeps its physical size.
std::unique_ptr<Image> CopyAtSize(const Image& image, std::int32_t width, std::int32_t height);

}  // namespace z8
