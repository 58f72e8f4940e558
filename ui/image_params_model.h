#pragma once

#include "settings/scan_settings.h"

namespace z8::ui {

// The values the image parameters dialog edits, as the settings hold them
// (contrast and brightness with their fractions).
struct ImageParamsValues {
    TW_UINT16 mirrorV = 0, mirrorH = 0, invert = 0;
    TW_INT8 red = 0, green = 0, blue = 0;
    TW_FIX32 contrast{}, brightness{};
    TW_UINT16 filterIndex = 0;
};
ImageParamsValues ReadImageParams(const CScanSettings& settings);

// Slider positions: colour corrections and brightness -100..100, contrast -3..3.
struct SliderPositions {
    int red = 0, green = 0, blue = 0, contrast = 0, brightness = 0;
};

// What the dialog does to the settings, without its window: every change is
// written at once; Cancel writes back the values the dialog opened with.
class ImageParamsModel {
public:
    // Saves the values; outside RGB the colour corrections become 0 (Cancel
    // puts them back).
    explicit ImageParamsModel(CScanSettings& settings);

    // The colour sliders are shown only for colour pictures.
    bool ColourShown() const { return colourShown_; }
    // Where the sliders start: the settings' values, contrast by its whole part.
    SliderPositions Initial() const;
    // The sliders as the user left them: colour (when shown), contrast and brightness.
    void ReadSliders(const SliderPositions& positions);

    enum class Flag { Invert, MirrorV, MirrorH };
    // Toggles a flag; its new state.
    bool Toggle(Flag flag);
    bool IsOn(Flag flag) const;
    // A chosen filter entry (0 none, 1 sharpen, 2 descreen); others are ignored.
    void SelectFilter(int index);
    // Sliders to 0, no filter, the flags off. Gamma, which has no slider, stays.
    SliderPositions Reset();
    void Cancel();

private:
    CScanSettings& settings_;
    ImageParamsValues saved_;
    bool colourShown_;
};

}  // namespace z8::ui
