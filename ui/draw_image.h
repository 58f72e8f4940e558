#pragma once

#include <windows.h>

#include "imaging/image.h"

namespace z8::ui {

// Draws the whole image stretched into the rectangle (colour on colour: the
// rows are averaged away, not blended).
void DrawImage(HDC dc, const RECT& area, const Image& image);

}  // namespace z8::ui
