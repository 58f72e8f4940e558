#pragma once

#include "imaging/image.h"

namespace z8 {

enum class ImageFilter {
    // 3 × 3 Laplacian sharpening, centre 5 and the four side neighbours -1:
    // edges gain contrast, flat areas stay exactly as they are.
    Sharpen,
    // 3 × 3 binomial blur (1 2 1 / 2 4 2 / 1 2 1, over 16): its response is
    // zero at a period of two pixels, so the dot screen of printed pictures
    // scanned at their screen's resolution vanishes with the least blur.
    Descreen,
};

// Filters 8- and 24-bit images in place, each channel on its own, the border
// pixels repeated outward; unchanged when the two working rows cannot be had.
// 1-bit images have no levels between their two colours to sharpen or smooth:
// they stay as they are.
void ApplyFilter(Image& image, ImageFilter filter);

}  // namespace z8
