#include "imaging/image_operations.h"

#include "imaging/filters.h"
#include "imaging/mirror.h"
#include "imaging/point_operations.h"
#include "imaging/reduce.h"

namespace z8 {

void LibraryImageOperations::ChannelIntensity(Image& image, int amount, int pivot,
                                              unsigned channelMask) {
    AdjustChannelIntensity(image, amount, pivot, channelMask);
}

void LibraryImageOperations::Brightness(Image& image, int amount) {
    AdjustBrightness(image, amount);
}

void LibraryImageOperations::Gamma(Image& image, int gammaTimesTen) {
    ApplyGamma(image, gammaTimesTen);
}

void LibraryImageOperations::Mirror(Image& image, int aboutHorizontalAxis, int aboutVerticalAxis) {
    z8::Mirror(image, aboutHorizontalAxis != 0, aboutVerticalAxis != 0);
}

void LibraryImageOperations::Invert(Image& image) {
    InvertColours(image);
}

void LibraryImageOperations::Filter(Image& image, int kind) {
    if (kind == 0)
        ApplyFilter(image, ImageFilter::Sharpen);
    else if (kind == 1)
        ApplyFilter(image, ImageFilter::Descreen);
}

std::unique_ptr<Image> LibraryImageOperations::Reduce(const Image& image, int first, int second) {
    if (first == 2 && second == 2)
        return ReduceToBlackAndWhite(image);
    if (first == 8 && second == 8)
        return ReduceToGrey(image);
    return nullptr;
}

}  // namespace z8
