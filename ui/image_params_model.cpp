#include "ui/image_params_model.h"

#include <algorithm>

namespace z8::ui {
namespace {

constexpr int kFilterEntries = 3;

TW_INT8 Colour(int position) {
    return static_cast<TW_INT8>(std::clamp(position, -100, 100));
}

}  // namespace

ImageParamsValues ReadImageParams(const CScanSettings& s) {
    ImageParamsValues v;
    v.mirrorV = s.MirrorV();
    v.mirrorH = s.MirrorH();
    v.invert = s.Invert();
    v.red = s.Red();
    v.green = s.Green();
    v.blue = s.Blue();
    v.contrast = s.Contrast();
    v.brightness = s.Brightness();
    v.filterIndex = s.FilterIndex();
    return v;
}

ImageParamsModel::ImageParamsModel(CScanSettings& settings)
    : settings_(settings),
      saved_(ReadImageParams(settings)),
      colourShown_(settings.PixelType() == TWPT_RGB) {
    if (!colourShown_) {
        settings_.SetRed(0);
        settings_.SetGreen(0);
        settings_.SetBlue(0);
    }
}

SliderPositions ImageParamsModel::Initial() const {
    SliderPositions p;
    p.red = settings_.Red();
    p.green = settings_.Green();
    p.blue = settings_.Blue();
    p.contrast = settings_.ContrastWhole();
    p.brightness = settings_.BrightnessWhole();
    return p;
}

void ImageParamsModel::ReadSliders(const SliderPositions& p) {
    if (colourShown_) {
        settings_.SetRed(Colour(p.red));
        settings_.SetGreen(Colour(p.green));
        settings_.SetBlue(Colour(p.blue));
    }
    settings_.SetContrastWhole(static_cast<TW_INT16>(std::clamp(p.contrast, -3, 3)));
    settings_.SetBrightnessWhole(static_cast<TW_INT16>(std::clamp(p.brightness, -100, 100)));
}

bool ImageParamsModel::IsOn(Flag flag) const {
    switch (flag) {
        case Flag::Invert:
            return settings_.Invert() != 0;
        case Flag::MirrorV:
            return settings_.MirrorV() != 0;
        case Flag::MirrorH:
            return settings_.MirrorH() != 0;
    }
    return false;
}

bool ImageParamsModel::Toggle(Flag flag) {
    const TW_UINT16 value = IsOn(flag) ? 0 : 1;
    switch (flag) {
        case Flag::Invert:
            settings_.SetInvert(value);
            break;
        case Flag::MirrorV:
            settings_.SetMirrorV(value);
            break;
        case Flag::MirrorH:
            settings_.SetMirrorH(value);
            break;
    }
    return value != 0;
}

void ImageParamsModel::SelectFilter(int index) {
    if (index < 0 || index >= kFilterEntries) return;
    settings_.SetFilterIndex(static_cast<TW_UINT16>(index));
}

SliderPositions ImageParamsModel::Reset() {
    const SliderPositions zero;
    SelectFilter(0);
    settings_.SetMirrorV(0);
    settings_.SetMirrorH(0);
    settings_.SetInvert(0);
    ReadSliders(zero);
    return zero;
}

void ImageParamsModel::Cancel() {
    settings_.SetMirrorV(saved_.mirrorV);
    settings_.SetMirrorH(saved_.mirrorH);
    settings_.SetInvert(saved_.invert);
    settings_.SetRed(saved_.red);
    settings_.SetGreen(saved_.green);
    settings_.SetBlue(saved_.blue);
    settings_.SetContrast(saved_.contrast);
    settings_.SetBrightness(saved_.brightness);
    settings_.SetFilterIndex(saved_.filterIndex);
}

}  // namespace z8::ui
