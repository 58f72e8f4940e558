#pragma once

#include <memory>
#include <optional>

#include "imaging/image.h"
#include "imaging/point_operations.h"

namespace z8 {

// The image operations the adjustment steps call, with the argument values
// those steps pass, so tests can record the calls and their order.
class ImageOperations {
public:
    virtual ~ImageOperations() = default;
    // amount, pivot (-1 mid-grey), channel mask (4 red, 2 green, 1 blue).
    virtual void ChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask) = 0;
    virtual void Brightness(Image& image, int amount) = 0;
    virtual void Gamma(Image& image, int gammaTimesTen) = 0;
    // (1, 0) flips about the horizontal axis, (0, 1) about the vertical one.
    virtual void Mirror(Image& image, int aboutHorizontalAxis, int aboutVerticalAxis) = 0;
    virtual void Invert(Image& image) = 0;
    // 0 sharpen, 1 descreen.
    virtual void Filter(Image& image, int kind) = 0;
    // (2, 2) black and white, (8, 8) grey: a new image, or nothing.
    virtual std::unique_ptr<Image> Reduce(const Image& image, int first, int second) = 0;
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
    void Mirror(Image& image, int aboutHorizontalAxis, int aboutVerticalAxis) override;
    void Invert(Image& image) override;
    // Other kinds do nothing.
    void Filter(Image& image, int kind) override;
    // Any pair but (2, 2) and (8, 8) gives nothing.
    std::unique_ptr<Image> Reduce(const Image& image, int first, int second) override;
    void Finish() override;

private:
    LevelPass& PassFor(Image& image);

    std::optional<LevelPass> pending_;
};

}  // namespace z8
