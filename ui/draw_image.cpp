#include "ui/draw_image.h"

namespace z8::ui {

void DrawImage(HDC dc, const RECT& area, const Image& image) {
    const auto dib = image.PackedDib();
    const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.data());
    const int previous = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0,
                  image.Width(), image.Height(), image.Pixels(), info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previous);
}

}  // namespace z8::ui
