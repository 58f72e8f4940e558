#include "ui/controls/button_state.h"

#include <gtest/gtest.h>

namespace z8::ui {
namespace {

TEST(IconButtonState, ChoosesThePicture) {
    struct Case {
        const char* what;
        ButtonLook look;
        IconSlot expected;
    };
    const Case cases[] = {
        {"at rest", {}, IconSlot::Normal},
        {"under the mouse", {.hover = true}, IconSlot::Hover},
        {"pressed", {.pressed = true}, IconSlot::Hover},
        {"disabled wins over hover", {.disabled = true, .hover = true}, IconSlot::Disabled},
        {"no normal icon: the hover one at rest", {.hasNormal = false}, IconSlot::Hover},
        {"animating: the frame, not the hover icon",
         {.hover = true, .animating = true},
         IconSlot::AnimationFrame},
        {"disabled while animating",
         {.disabled = true, .hover = true, .animating = true},
         IconSlot::Disabled},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseIcon(c.look), c.expected) << c.what;
    }
}

TEST(IconButtonState, HoverAndCapture) {
    struct Case {
        const char* what;
        HoverState before;
        bool inside, leftDown;
        HoverState expected;
    };
    const Case cases[] = {
        {"entering lights it and takes the mouse", {}, true, false, {true, true}},
        {"moving inside changes nothing", {true, true}, true, false, {true, true}},
        {"leaving lets go", {true, true}, false, false, {false, false}},
        {"dragged off while pressed: unlit, capture kept",
         {true, true},
         false,
         true,
         {false, true}},
        {"back over it while still pressed", {false, true}, true, true, {false, true}},
        {"released outside after a drag lets go", {false, true}, false, false, {false, false}},
        {"dragged onto from elsewhere: nothing", {}, true, true, {}},
        {"outside and not held: nothing", {}, false, false, {}},
    };
    for (const auto& c : cases) {
        const HoverState after = OnMouseMove(c.before, c.inside, c.leftDown);
        EXPECT_EQ(after.hover, c.expected.hover) << c.what;
        EXPECT_EQ(after.captured, c.expected.captured) << c.what;
    }
}

TEST(IconButtonState, DisabledOrHiddenLetsGoOfTheMouse) {
    for (const HoverState before : {HoverState{true, true}, HoverState{false, true}}) {
        const HoverState after = OnDisabledOrHidden(before);
        EXPECT_FALSE(after.captured);
        EXPECT_FALSE(after.hover);
    }
}

}  // namespace
}  // namespace z8::ui
