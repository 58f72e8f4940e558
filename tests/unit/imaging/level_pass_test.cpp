#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "imaging/adjustments.h"
#include "imaging/mirror.h"
#include "imaging/point_operations.h"
#include "imaging/reduce.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

// Every operation carried out when called, a pass per step: the chain that
// the gathered passes must reproduce byte for byte.
class StepByStepOperations final : public ImageOperations {
public:
    void ChannelIntensity(Image& image, int amount, int pivot, unsigned mask) override {
        AdjustChannelIntensity(image, amount, pivot, mask);
    }
    void Brightness(Image& image, int amount) override { AdjustBrightness(image, amount); }
    void Gamma(Image& image, int gamma) override { ApplyGamma(image, gamma); }
    void Mirror(Image& image, MirrorAxis axis) override {
        z8::Mirror(image, axis == MirrorAxis::Horizontal, axis == MirrorAxis::Vertical);
    }
    void Invert(Image& image) override { InvertColours(image); }
    void Filter(Image& image, ImageFilter filter) override { ApplyFilter(image, filter); }
    std::unique_ptr<Image> Reduce(const Image& image, Reduction target) override {
        return target == Reduction::BlackAndWhite ? ReduceToBlackAndWhite(image)
                                                  : ReduceToGrey(image);
    }
};

using Generator = std::mt19937;

int Between(Generator& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

AdjustmentSettings RandomSettings(Generator& random) {
    // Neutral values often enough that runs of every length occur.
    auto maybe = [&](int low, int high) {
        return Between(random, 0, 2) ? Between(random, low, high) : 0;
    };
    auto frac = [&] { return static_cast<TW_UINT16>(Between(random, 0, 0xFFFF)); };
    AdjustmentSettings s;
    s.contrast = {static_cast<TW_INT16>(maybe(-3, 3)), frac()};
    s.brightness = {static_cast<TW_INT16>(maybe(-100, 100)), frac()};
    s.gamma = {static_cast<TW_INT16>(Between(random, 0, 5)), frac()};
    s.red = static_cast<std::int8_t>(maybe(-100, 100));
    s.green = static_cast<std::int8_t>(maybe(-100, 100));
    s.blue = static_cast<std::int8_t>(maybe(-100, 100));
    s.pixelType = static_cast<std::uint16_t>(Between(random, TWPT_BW, TWPT_PALETTE));
    s.mirrorV = static_cast<std::uint16_t>(Between(random, 0, 1));
    s.mirrorH = static_cast<std::uint16_t>(Between(random, 0, 1));
    s.invert = static_cast<std::uint16_t>(Between(random, 0, 1));
    s.filterIndex = static_cast<std::uint16_t>(Between(random, 0, 2));
    return s;
}

using Colours = RgbQuad (*)(Generator&, int index);

// Every byte random, padding included.
void FillRandom(Image& image, Generator& random) {
    for (std::int32_t r = 0; r < image.Height(); ++r)
        std::generate_n(image.Row(r), image.BytesPerLine(),
                        [&] { return static_cast<std::uint8_t>(Between(random, 0, 255)); });
}

std::unique_ptr<Image> RandomImage(GlobalMemory& memory, Generator& random, int bitCount,
                                   Colours colour) {
    auto image = Image::Create(memory, Between(random, 1, 19), Between(random, 1, 6),
                               static_cast<std::uint16_t>(bitCount));
    FillRandom(*image, random);
    auto palette = image->Palette();
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = colour(random, static_cast<int>(i));
    return image;
}

RgbQuad Grey(int level) {
    const auto v = static_cast<std::uint8_t>(level);
    return {v, v, v, 0};
}

RgbQuad AnyColour(Generator& random, int) {
    auto level = [&] { return static_cast<std::uint8_t>(Between(random, 0, 255)); };
    return {level(), level(), level(), 0};  // a braced list runs left to right
}

bool SameBytes(const Image* a, const Image* b) {
    if (!a || !b) return a == b;
    return std::ranges::equal(a->PackedDib(), b->PackedDib());
}

TEST(LevelPass, TheAdjustmentsInOnePassGiveTheBytesOfTheStepByStepChain) {
    struct Kind {
        const char* name;
        int bitCount;
        Colours colour;
    };
    const Kind kinds[] = {
        {"black and white", 1, [](Generator&, int i) { return Grey(i ? 255 : 0); }},
        {"white and black", 1, [](Generator&, int i) { return Grey(i ? 0 : 255); }},
        {"two colours of one level", 1, [](Generator&, int) { return Grey(90); }},
        {"two colours", 1, AnyColour},
        {"grey", 8, [](Generator&, int i) { return Grey(i); }},
        {"palette", 8, AnyColour},
        {"colour", 24, AnyColour},
    };
    Generator random(16);
    GlobalMemoryTable memory;
    StepByStepOperations steps;
    for (const Kind& kind : kinds) {
        for (int run = 0; run < 200; ++run) {
            const AdjustmentSettings s = RandomSettings(random);
            Generator again = random;
            auto fused = RandomImage(memory, random, kind.bitCount, kind.colour);
            auto reference = RandomImage(memory, again, kind.bitCount, kind.colour);
            SCOPED_TRACE(testing::Message() << kind.name << ", run " << run);

            for (DisplayMode mode : {DisplayMode::SamplePicture, DisplayMode::Preview}) {
                const auto shown = ApplyDisplayAdjustments(*fused, mode, s);
                const auto expected = ApplyDisplayAdjustments(*reference, mode, s, steps);
                ASSERT_TRUE(SameBytes(fused.get(), reference.get()));
                ASSERT_TRUE(SameBytes(shown.get(), expected.get()));
            }
            ApplyScanAdjustments(*fused, s);
            ApplyScanAdjustments(*reference, s, steps);
            ASSERT_TRUE(SameBytes(fused.get(), reference.get()));
        }
    }
}

TEST(LevelPass, LargePicturesGoThroughTheTableByteForByteAndKeepTheirPadding) {
    // A megabyte and more, in rows whose pixel bytes are no multiple of eight.
    GlobalMemoryTable memory;
    Generator random(8);
    struct Size {
        int bits, width, height;
    };
    for (const Size size : {Size{8, 1007, 1050}, Size{24, 1001, 350}}) {
        auto image =
            Image::Create(memory, size.width, size.height, static_cast<std::uint16_t>(size.bits));
        FillRandom(*image, random);
        const std::vector<std::uint8_t> before(image->PackedDib().begin(),
                                               image->PackedDib().end());
        ApplyGamma(*image, 22);
        const LevelTable gamma = GammaTable(22);
        const std::size_t pixels = before.size() - image->BytesPerLine() * image->Height();
        for (std::size_t i = pixels; i < before.size(); ++i) {
            const std::size_t column = (i - pixels) % image->BytesPerLine();
            const std::uint8_t expected =
                column < image->PixelBytesPerRow() ? gamma[before[i]] : before[i];
            ASSERT_EQ(image->PackedDib()[i], expected) << size.bits << " bits, byte " << i;
        }
    }
}

}  // namespace
}  // namespace z8::test
