#pragma once

#include <windows.h>

#include "ui/controls/shades.h"
#include "ui/controls/subclassed_control.h"

namespace z8::ui {

// A progress bar painted as one bevelled, shaded bar from the base colour.
// Position and range stay the platform control's.
class CSegmentProgress final : public SubclassedControl {
public:
    CSegmentProgress();
    void SetColor(Colour base);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC target);

    Shades shades_;
};

}  // namespace z8::ui
