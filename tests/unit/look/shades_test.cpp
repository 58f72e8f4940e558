#include "ui/controls/shades.h"

#include <gtest/gtest.h>

namespace z8::ui {
namespace {

struct ShadeCase {
    const char* what;
    Colour (*op)(Colour, Colour);
    Colour a, b, expected;
};

Colour LightenBy(Colour c, Colour n) {
    return Lighten(c, n);
}
Colour DarkenBy(Colour c, Colour n) {
    return Darken(c, n);
}

TEST(Shades, EachChannelByItself) {
    const ShadeCase cases[] = {
        {"button face lightened", LightenBy, MakeColour(192, 192, 192), 51,
         MakeColour(243, 243, 243)},
        {"a channel that would pass 255 keeps its value", LightenBy, MakeColour(230, 100, 20), 51,
         MakeColour(230, 151, 71)},
        {"exactly 255 is allowed", LightenBy, MakeColour(204, 0, 255), 51,
         MakeColour(255, 51, 255)},
        {"a channel below the step keeps its value", DarkenBy, MakeColour(50, 51, 200), 51,
         MakeColour(50, 0, 149)},
        {"midpoint towards a darker colour rounds down", Midpoint, MakeColour(192, 128, 65),
         MakeColour(128, 65, 0), MakeColour(160, 96, 32)},
        {"midpoint towards a lighter colour rounds down", Midpoint, MakeColour(0, 1, 254),
         MakeColour(255, 2, 255), MakeColour(127, 1, 254)},
        {"no bits above the blue channel", LightenBy, 0xFF000000u | MakeColour(1, 2, 3), 51,
         MakeColour(52, 53, 54)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.op(c.a, c.b), c.expected) << c.what;
    }
}

TEST(Shades, ShadesOfAColourStepBy51) {
    const Shades red = ShadesOf(MakeColour(255, 0, 0));
    EXPECT_EQ(red.light1, MakeColour(255, 51, 51));
    EXPECT_EQ(red.light2, MakeColour(255, 102, 102));
    EXPECT_EQ(red.light3, MakeColour(255, 153, 153));
    EXPECT_EQ(red.dark1, MakeColour(204, 0, 0));
    EXPECT_EQ(red.dark2, MakeColour(153, 0, 0));
}

}  // namespace
}  // namespace z8::ui
