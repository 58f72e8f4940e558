#pragma once

#include <cstdint>
#include <memory>

#include "imaging/image.h"
#include "imaging/image_operations.h"
#include "twain/twain.h"

namespace z8 {

// The scan settings the adjustments read, taken from the settings object at
// the moment of each call.
struct AdjustmentSettings {
    TW_FIX32 contrast{0, 0};    // -3..3, truncated to a whole number
    TW_FIX32 brightness{0, 0};  // whole part, -100..100
    TW_FIX32 gamma{1, 0};       // 1.0..5.0
    std::int8_t red = 0;        // colour corrections, -100..100
    std::int8_t green = 0;
    std::int8_t blue = 0;
    std::uint16_t pixelType = TWPT_RGB;  // 0 black and white, 1 grey, 2 RGB, 3 palette
    std::uint16_t mirrorV = 0;           // flip about the vertical axis (INI MIROIRV)
    std::uint16_t mirrorH = 0;           // flip about the horizontal axis (INI MIROIRH)
    std::uint16_t invert = 0;            // INI INVERSION
    std::uint16_t filterIndex = 0;       // 0 none, 1 sharpen, 2 descreen (INI FILTRE)
};

// Where the adjusted picture is shown: the sample box of the image
// parameters dialog shows the flips, the preview pane does not.
enum class DisplayMode : int { SamplePicture = 1, Preview = 2 };

// The adjustments for what the user sees on screen, applied in place to a
// copy already reduced to the size of the box: contrast, brightness, gamma,
// the flips (sample picture only), inversion, filter, then by pixel type the
// reduction to black and white or grey (returned as a new image, which the
// caller draws instead of the given one) or, for colour, the three colour
// corrections (nothing returned). A neutral value makes no call.
std::unique_ptr<Image> ApplyDisplayAdjustments(Image& image, DisplayMode mode,
                                               const AdjustmentSettings& settings,
                                               ImageOperations& operations);
std::unique_ptr<Image> ApplyDisplayAdjustments(Image& image, DisplayMode mode,
                                               const AdjustmentSettings& settings);

// The adjustments the host applies to the final scanned page, in place:
// contrast, gamma, the flips, inversion, filter. Brightness and the colour
// corrections were done by the scanner, which also scanned at the chosen
// pixel type.
void ApplyScanAdjustments(Image& image, const AdjustmentSettings& settings,
                          ImageOperations& operations);
void ApplyScanAdjustments(Image& image, const AdjustmentSettings& settings);

}  // namespace z8
