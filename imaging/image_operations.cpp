#include "imaging/image_operations.h"

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

void LibraryImageOperations::Mirror(Image& image, MirrorAxis axis) {
    z8::Mirror(image, axis == MirrorAxis::Horizontal, axis == MirrorAxis::Vertical);
}

void LibraryImageOperations::Invert(Image& image) {
    PassFor(image).Invert();
}

void LibraryImageOperations::Filter(Image& image, ImageFilter filter) {
    Finish();
    ApplyFilter(image, filter);
}

std::unique_ptr<Image> LibraryImageOperations::Reduce(const Image& image, Reduction target) {
    Finish();
    return target == Reduction::BlackAndWhite ? ReduceToBlackAndWhite(image) : ReduceToGrey(image);
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
