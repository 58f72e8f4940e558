#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/controls/shades.h"
#include "ui/controls/subclassed_control.h"

namespace z8::ui {

// A trackbar whose thumb and channel are drawn in shades of its own colours
// (the dialog reflects the custom-draw notification to it).
class CShadedSlider final : public SubclassedControl {
public:
    CShadedSlider();
    void SetFaceColor(Colour face);
    void SetChannelColor(Colour channel) { channel_ = channel; }
    void SetHighlightColor(Colour highlight);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT CustomDraw(NMCUSTOMDRAW& draw);
    void DrawThumb(HDC dc, const RECT& r, bool selected);
    void DrawChannel(HDC dc, RECT r);
    void Redraw();

    Colour face_, channel_, highlight_;
};

}  // namespace z8::ui
