#include "ui/preview_view.h"

#include "imaging/resample.h"

namespace z8 {
namespace {

AdjustmentSettings DisplayAdjustmentsOf(const CScanSettings& s) {
    AdjustmentSettings a;
    a.contrast = s.Contrast();
    a.brightness = s.Brightness();
    a.gamma = s.Gamma();
    a.red = s.Red();
    a.green = s.Green();
    a.blue = s.Blue();
    a.pixelType = s.PixelType();
    a.mirrorV = s.MirrorV();
    a.mirrorH = s.MirrorH();
    a.invert = s.Invert();
    a.filterIndex = s.FilterIndex();
    return a;
}

}  // namespace

std::unique_ptr<Image> AdjustedView(const Image& picture, int width, int height,
                                    const CScanSettings& settings, DisplayMode mode) {
    // A size of 0 would ask the copy for the picture's own size.
    if (width <= 0 || height <= 0) return nullptr;
    std::unique_ptr<Image> copy = CopyAtSize(picture, width, height);
    if (copy == nullptr) return nullptr;
    std::unique_ptr<Image> reduced =
        ApplyDisplayAdjustments(*copy, mode, DisplayAdjustmentsOf(settings));
    return reduced != nullptr ? std::move(reduced) : std::move(copy);
}

}  // namespace z8
