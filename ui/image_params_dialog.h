#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "settings/scan_settings.h"
#include "ui/controls/icon_button.h"
#include "ui/controls/shaded_slider.h"
#include "ui/controls/titre.h"
#include "ui/dib.h"
#include "ui/framework/dialog.h"
#include "ui/image_params_model.h"

namespace z8::ui {

// The image parameters dialog (template 129), modal over the scanning dialog:
// colour corrections, contrast, brightness, flips, inversion and filter,
// written to the settings as they change and shown at once on the sample.
// Cancel puts the values back as they were when it opened.
class CImageParamsDialog final : public Dialog {
public:
    // drawSample: draws the sample (or the preview) with the settings'
    // adjustments into a rectangle of a device context.
    CImageParamsDialog(CScanSettings& settings, std::function<void(HDC, const RECT&)> drawSample);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnControlColour(HDC dc, HWND control, UINT type) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetUpSliders();
    void ReadSliders();
    void SetSliders(const SliderPositions& positions);
    void ShowToggle(ImageParamsModel::Flag flag);
    void CompactLayout();
    void DrawSample();
    void Toggle(ImageParamsModel::Flag flag);

    CScanSettings& settings_;
    std::function<void(HDC, const RECT&)> drawSample_;
    std::optional<ImageParamsModel> model_;
    std::array<CTitre, 6> captions_;
    HWND toolTip_ = nullptr;
    CIconButton mirrorH_, mirrorV_, invert_, reset_, cancel_, ok_;
    std::array<CShadedSlider, 5> sliders_;
    bool redrawDone_ = false;
    bool redrawPending_ = false;
    UINT_PTR timer_ = 0;
    CDib background_;
};

}  // namespace z8::ui
