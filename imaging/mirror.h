#pragma once

#include "imaging/image.h"

namespace z8 {

// Flips the image in place: about the horizontal axis (top and bottom change
// places), about the vertical axis (left and right change places), or both.
// Works on whole rows without extra memory, so it cannot fail.
void Mirror(Image& image, bool aboutHorizontalAxis, bool aboutVerticalAxis);

}  // namespace z8
