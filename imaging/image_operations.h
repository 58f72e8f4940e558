#pragma once

#include <memory>
#include <optional>

#include "imaging/filters.h"
#include "imaging/image.h"
#include "imaging/point_operations.h"

namespace z8 {

// The axis a picture is flipped about: the horizontal one swaps top and
// bottom, the vertical one left and right.
enum class MirrorAxis { Horizontal, Vertical };

// What a reduction makes of a picture.
enum class Reduction { BlackAndWhite, Grey };

// The image operations the adjustment steps call, with the argument values
// those steps pass, so tests can record the calls and their order.
class ImageOperations {
public:
    virtual ~ImageOperations() = default;
    // amount, pivot (kMidGreyPivot), channel mask (kChannelRed...).
    virtual void ChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask) = 0;
    virtual void Brightness(Image& image, int amount) = 0;
    virtual void Gamma(Image& image, int gammaTimesTen) = 0;
    virtual void Mirror(Image& image, MirrorAxis axis) = 0;
    virtual void Invert(Image& image) = 0;
    virtual void Filter(Image& image, ImageFilter filter) = 0;
    // A new image, or nothing when the memory cannot be had.
    virtual std::unique_ptr<Image> Reduce(const Image& image, Reduction target) = 0;
    // Completes whatever the operations so far left pending.
    virtual void Finish() {}
};

// The operations of this imaging component. A run of point operations
// (intensity, brightness, gamma, invert) on one image is gathered and carried
// out in one pass at the next filter or reduction, or at Finish. A mirror only
// moves pixels, which commutes with point operations: it runs at once and
// leaves the run open.
class LibraryImageOperations final : public ImageOperations {
public:
    void ChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask) override;
    void Brightness(Image& image, int amount) override;
    void Gamma(Image& image, int gammaTimesTen) override;
    void Mirror(Image& image, MirrorAxis axis) override;
    void Invert(Image& image) override;
    void Filter(Image& image, ImageFilter filter) override;
    std::unique_ptr<Image> Reduce(const Image& image, Reduction target) override;
    void Finish() override;

private:
    LevelPass& PassFor(Image& image);

    std::optional<LevelPass> pending_;
};

}  // namespace z8
