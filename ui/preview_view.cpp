#include "ui/preview_view.h"

#include "imaging/resample.h"
#include "scanning/adjustments_of.h"

namespace z8 {

std::unique_ptr<Image> AdjustedView(const Image& picture, int width, int height,
                                    const CScanSettings& settings, DisplayMode mode) {
    // A size of 0 would ask the copy for the picture's own size.
    if (width <= 0 || height <= 0) return nullptr;
    std::unique_ptr<Image> copy = CopyAtSize(picture, width, height);
    if (copy == nullptr) return nullptr;
    std::unique_ptr<Image> reduced = ApplyDisplayAdjustments(*copy, mode, AdjustmentsOf(settings));
    return reduced != nullptr ? std::move(reduced) : std::move(copy);
}

}  // namespace z8
