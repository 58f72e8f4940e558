#include "ui/controls/shades.h"

namespace z8::ui {
namespace {

unsigned Channel(Colour c, int shift) {
    return (c >> shift) & 0xFF;
}

template <typename F>
Colour PerChannel(Colour a, Colour b, F f) {
    Colour out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        out |= (f(Channel(a, shift), Channel(b, shift)) & 0xFF) << shift;
    }
    return out;
}

}  // namespace

Colour Lighten(Colour c, unsigned n) {
    return PerChannel(c, 0, [n](unsigned v, unsigned) { return v + n <= 255 ? v + n : v; });
}

Colour Darken(Colour c, unsigned n) {
    return PerChannel(c, 0, [n](unsigned v, unsigned) { return v >= n ? v - n : v; });
}

Colour Midpoint(Colour a, Colour b) {
    // a + floor((b - a) / 2) is floor((a + b) / 2), also when b is darker than a.
    return PerChannel(a, b, [](unsigned x, unsigned y) { return (x + y) / 2; });
}

Shades ShadesOf(Colour base) {
    Shades s{};
    s.base = base;
    s.light1 = Lighten(base, kShadeStep);
    s.light2 = Lighten(s.light1, kShadeStep);
    s.light3 = Lighten(s.light2, kShadeStep);
    s.dark1 = Darken(base, kShadeStep);
    s.dark2 = Darken(s.dark1, kShadeStep);
    return s;
}

}  // namespace z8::ui
