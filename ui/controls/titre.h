#pragma once

#include <windows.h>

#include <string>

#include "ui/controls/gdi_handles.h"
#include "ui/controls/subclassed_control.h"

namespace z8::ui {

// A caption label in its own font and colour over the dialog's background
// (the dialog reflects the static's colour request to it).
class CTitre final : public SubclassedControl {
public:
    bool Attach(HWND parent, int id, const std::string& text, COLORREF colour, const char* faceName,
                int height, int weight);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void EraseUnder();

    UniqueGdi<HFONT> font_;
    COLORREF colour_ = RGB(255, 255, 255);
    std::string text_;
    bool applied_ = false;
};

}  // namespace z8::ui
