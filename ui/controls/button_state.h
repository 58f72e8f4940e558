#pragma once

namespace z8::ui {

// Which of an icon button's pictures a paint shows.
enum class IconSlot { Normal, Hover, Disabled, AnimationFrame };

struct ButtonLook {
    bool disabled = false;
    bool hover = false;
    bool pressed = false;
    bool animating = false;  // a frame stands in for the hover picture
    bool hasNormal = true;   // without its own, the resting button shows the hover picture
};
IconSlot ChooseIcon(const ButtonLook& look);

// What a mouse move, a release or a state change does to a flat button's hover
// and to its hold on the mouse capture.
struct HoverState {
    bool hover = false;
    bool captured = false;
};
// A move: inside tells whether the point is over the button, leftDown whether
// the left button is held.
HoverState OnMouseMove(HoverState now, bool inside, bool leftDown);
// Disabled or hidden: the button lets go of the mouse.
HoverState OnDisabledOrHidden(HoverState now);

}  // namespace z8::ui
