#pragma once

#include <cstdint>

namespace z8::ui {

// A Windows colour value, 0x00BBGGRR.
using Colour = std::uint32_t;

inline constexpr Colour MakeColour(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

// The step between the shades of the shaded progress bar and slider.
inline constexpr unsigned kShadeStep = 51;

// Adds n to each channel whose sum stays within 255; the others keep their value.
Colour Lighten(Colour c, unsigned n);
// Subtracts n from each channel of at least n; the others keep their value.
Colour Darken(Colour c, unsigned n);
// Per channel a + (b - a) / 2, rounded down.
Colour Midpoint(Colour a, Colour b);

// Five shades around a base colour: three lighter, two darker.
struct Shades {
    Colour base, light1, light2, light3, dark1, dark2;
};
Shades ShadesOf(Colour base);

}  // namespace z8::ui
