#pragma once

// The page the scanner emulator scans: a deterministic function of position,
// mode and resolution, so that a test can predict every transferred pixel.
// Plain constexpr functions without dependencies, for native and Windows
// code alike.
//
// A position (x, y) is in pixels of the scan resolution (xres, yres dots per
// inch), counted from the top-left corner of the page, like the edges of the
// parameter block: pixel column c of a scanned line r is x = left + c,
// y = top + r. The pattern is drawn in hundredths of an inch,
//     u = x * 100 / xres,  v = y * 100 / yres   (integer division),
// so previews and scans of one area show the same page:
//   colour:          red = u mod 256, green = v mod 256, blue = (u + v) mod 256
//   grey:            (2u + v) mod 256
//   black and white: black where u / 25 + v / 25 is odd (quarter-inch squares)
// These are the values of the bitmap the data source builds. On the wire
// (the band replies) a colour line is its red plane, then its green plane,
// then its blue plane; a grey line carries 255 − grey per pixel; a black and
// white line carries 8 pixels per byte, the leftmost in the high bit, 1 for
// black (the bitmap's inverse), and 0 in the bits after the last pixel.

#include <cstdint>

namespace z8::page {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr uint32_t Hundredths(uint32_t pixels, uint32_t resolution) {
    return resolution == 0 ? 0 : pixels * 100u / resolution;
}

constexpr Rgb Colour(uint32_t x, uint32_t y, uint32_t xres, uint32_t yres) {
    const uint32_t u = Hundredths(x, xres);
    const uint32_t v = Hundredths(y, yres);
    return {static_cast<uint8_t>(u), static_cast<uint8_t>(v), static_cast<uint8_t>(u + v)};
}

constexpr uint8_t Grey(uint32_t x, uint32_t y, uint32_t xres, uint32_t yres) {
    return static_cast<uint8_t>(2u * Hundredths(x, xres) + Hundredths(y, yres));
}

constexpr bool Black(uint32_t x, uint32_t y, uint32_t xres, uint32_t yres) {
    return ((Hundredths(x, xres) / 25u + Hundredths(y, yres) / 25u) & 1u) != 0;
}

}  // namespace z8::page
