#include "ui/controls/button_state.h"

namespace z8::ui {

IconSlot ChooseIcon(const ButtonLook& look) {
    if (look.disabled) return IconSlot::Disabled;
    if (look.hover || look.pressed)
        return look.animating ? IconSlot::AnimationFrame : IconSlot::Hover;
    return look.hasNormal ? IconSlot::Normal : IconSlot::Hover;
}

HoverState OnMouseMove(HoverState now, bool inside, bool leftDown) {
    if (!now.captured) {
        // Dragging onto the button from elsewhere does not light it.
        if (inside && !(leftDown && !now.hover)) return {true, true};
        return now;
    }
    if (inside) return now;
    // Off the button: unlit, but a held press keeps the capture until released.
    return {false, leftDown};
}

HoverState OnDisabledOrHidden(HoverState) {
    return {false, false};
}

}  // namespace z8::ui
