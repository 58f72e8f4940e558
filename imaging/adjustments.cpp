#include "imaging/adjustments.h"

namespace z8 {

namespace {

// A TWAIN fixed-point number as a real: whole part plus fraction / 65536.
double RealOf(TW_FIX32 value) {
    return TW_INT16{value.Whole} + TW_UINT16{value.Frac} / 65536.0;
}

// Conversions truncate toward zero, as everywhere numbers leave TWAIN.
void Contrast(Image& image, const AdjustmentSettings& s, ImageOperations& ops) {
    const int contrast = static_cast<int>(RealOf(s.contrast));
    if (contrast != 0) ops.ChannelIntensity(image, contrast * 25, kMidGreyPivot, kAllChannels);
}

// Gamma 2.2 is stored as 2 + 13107/65536, just under 2.2: it gives 21.
void Gamma(Image& image, const AdjustmentSettings& s, ImageOperations& ops) {
    const auto gamma = static_cast<std::int16_t>(RealOf(s.gamma) * 10.0);
    if (gamma != 10) ops.Gamma(image, gamma);
}

void Mirrors(Image& image, const AdjustmentSettings& s, ImageOperations& ops) {
    if (s.mirrorV) ops.Mirror(image, MirrorAxis::Vertical);
    if (s.mirrorH) ops.Mirror(image, MirrorAxis::Horizontal);
}

void Invert(Image& image, const AdjustmentSettings& s, ImageOperations& ops) {
    if (s.invert) ops.Invert(image);
}

void Filter(Image& image, const AdjustmentSettings& s, ImageOperations& ops) {
    if (s.filterIndex == 1)
        ops.Filter(image, ImageFilter::Sharpen);
    else if (s.filterIndex == 2)
        ops.Filter(image, ImageFilter::Descreen);
}

}  // namespace

std::unique_ptr<Image> ApplyDisplayAdjustments(Image& image, DisplayMode mode,
                                               const AdjustmentSettings& settings,
                                               ImageOperations& operations) {
    Contrast(image, settings, operations);
    const int brightness = settings.brightness.Whole;
    if (brightness != 0) operations.Brightness(image, brightness);
    Gamma(image, settings, operations);
    if (mode == DisplayMode::SamplePicture) Mirrors(image, settings, operations);
    Invert(image, settings, operations);
    Filter(image, settings, operations);

    std::unique_ptr<Image> reduced;
    switch (settings.pixelType) {
        case TWPT_BW:
            reduced = operations.Reduce(image, Reduction::BlackAndWhite);
            break;
        case TWPT_GRAY:
        case TWPT_PALETTE:
            reduced = operations.Reduce(image, Reduction::Grey);
            break;
        case TWPT_RGB:
            if (settings.red != 0)
                operations.ChannelIntensity(image, settings.red, kMidGreyPivot, kChannelRed);
            if (settings.green != 0)
                operations.ChannelIntensity(image, settings.green, kMidGreyPivot, kChannelGreen);
            if (settings.blue != 0)
                operations.ChannelIntensity(image, settings.blue, kMidGreyPivot, kChannelBlue);
            break;
        default:
            break;
    }
    operations.Finish();
    return reduced;
}

std::unique_ptr<Image> ApplyDisplayAdjustments(Image& image, DisplayMode mode,
                                               const AdjustmentSettings& settings) {
    LibraryImageOperations operations;
    return ApplyDisplayAdjustments(image, mode, settings, operations);
}

void ApplyScanAdjustments(Image& image, const AdjustmentSettings& settings,
                          ImageOperations& operations) {
    Contrast(image, settings, operations);
    Gamma(image, settings, operations);
    Mirrors(image, settings, operations);
    Invert(image, settings, operations);
    Filter(image, settings, operations);
    operations.Finish();
}

void ApplyScanAdjustments(Image& image, const AdjustmentSettings& settings) {
    LibraryImageOperations operations;
    ApplyScanAdjustments(image, settings, operations);
}

}  // namespace z8
