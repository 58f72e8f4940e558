#include "imaging/image_operations.h"

#include "imaging/filters.h"
#include "imaging/mirror.h"
#include "imaging/reduce.h"

namespace z8 {

void LibraryImageOperations::ChannelIntensity(Image& image, int amount, int pivot,
                                              unsigned channelMask) {
    PassFor(image).ChannelIntensity(amount, pivot, channelMask);
}

void LibraryImageOperations::Brightness(Image& image, int amount) {
    PassFor(image).Brightness(amount);
}

void LibraryImageOperations::Gamma(Image& image, int gammaTimesTen) {
    PassFor(image).Gamma(gammaTimesTen);
}

void LibraryImageOperations::Mirror(Image& image, int aboutHorizontalAxis, int aboutVerticalAxis) {
    z8::Mirror(image, aboutHorizontalAxis != 0, aboutVerticalAxis != 0);
}

void LibraryImageOperations::Invert(Image& image) {
    PassFor(image).Invert();
}

void LibraryImageOperations::Filter(Image& image, int kind) {
    Finish();
    if (kind == 0)
        ApplyFilter(image, ImageFilter::Sharpen);
    else if (kind == 1)
        ApplyFilter(image, ImageFilter::Descreen);
}

std::unique_ptr<Image> LibraryImageOperations::Reduce(const Image& image, int first, int second) {
    Finish();
    if (first == 2 && second == 2) return ReduceToBlackAndWhite(image);
    if (first == 8 && second == 8) return ReduceToGrey(image);
    return nullptr;
}

void LibraryImageOperations::Finish() {
    if (!pending_) return;
    pending_->Apply();
    pending_.reset();
}

LevelPass& LibraryImageOperations::PassFor(Image& image) {
    if (pending_ && &pending_->Target() != &image) Finish();
    if (!pending_) pending_.emplace(image);
    return *pending_;
}

}  // namespace z8
