#pragma once

#include <windows.h>

#include <array>

#include "ui/controls/button_state.h"
#include "ui/controls/gdi_handles.h"
#include "ui/controls/subclassed_control.h"

namespace z8::ui {

// A flat push button drawn by its owner from icons: lit under the mouse,
// shifted when pressed, its own picture when disabled, and an animation of
// four frames on timer 1. Each icon has exactly one owner here; the frames
// never take the hover icon's place, they are shown instead of it.
class CIconButton final : public SubclassedControl {
public:
    CIconButton();

    // Loads the icons from the resource module; normal 0 shows the hover icon
    // at rest too. Redraws at once.
    void SetIcons(int hover, int normal, int disabled);
    void SetAnimation(int first, int second, int third, int fourth);
    void StartIconAnimation();
    void StopIconAnimation();

private:
    void OnSubclassed() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Draw(const DRAWITEMSTRUCT& item);
    void TrackMouse(LPARAM lParam, WPARAM keys);
    void LetGo();
    void Redraw();
    HICON IconFor(const ButtonLook& look) const;

    UniqueIcon hover_, normal_, disabled_;
    std::array<UniqueIcon, 4> frames_;
    int frame_ = 0;
    bool animating_ = false;
    int iconWidth_ = 0, iconHeight_ = 0;
    HoverState hoverState_;
    COLORREF background_, activeBackground_, text_, activeText_;
};

}  // namespace z8::ui
