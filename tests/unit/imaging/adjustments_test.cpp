#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/adjustments.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

// Records every call as text, in order; a reduction returns a marker image.
class RecordingOperations final : public ImageOperations {
public:
    explicit RecordingOperations(GlobalMemory& memory) : memory_(memory) {}
    void ChannelIntensity(Image&, int amount, int pivot, unsigned mask) override {
        Log("intensity", {amount, pivot, static_cast<int>(mask)});
    }
    void Brightness(Image&, int amount) override { Log("brightness", {amount}); }
    void Gamma(Image&, int gamma) override { Log("gamma", {gamma}); }
    void Mirror(Image&, MirrorAxis axis) override {
        Log(axis == MirrorAxis::Horizontal ? "mirror horizontal" : "mirror vertical", {});
    }
    void Invert(Image&) override { Log("invert", {}); }
    void Filter(Image&, ImageFilter filter) override {
        Log(filter == ImageFilter::Sharpen ? "sharpen" : "descreen", {});
    }
    std::unique_ptr<Image> Reduce(const Image&, Reduction target) override {
        Log(target == Reduction::BlackAndWhite ? "reduce to black and white" : "reduce to grey",
            {});
        return Image::Create(memory_, 1, 1, 1);
    }
    std::vector<std::string> calls;

private:
    void Log(const std::string& name, std::initializer_list<int> args) {
        std::string text = name;
        for (int a : args)
            text += " " + std::to_string(a);
        calls.push_back(text);
    }
    GlobalMemory& memory_;
};

using Calls = std::vector<std::string>;

class Adjustments : public testing::Test {
protected:
    GlobalMemoryTable memory;
    std::unique_ptr<Image> image = Image::Create(memory, 2, 2, 24);
    RecordingOperations ops{memory};
    AdjustmentSettings neutral;  // contrast 0, brightness 0, gamma 1.0, RGB, nothing set

    AdjustmentSettings Everything() const {
        AdjustmentSettings s;
        s.contrast = TW_FIX32{-3, 0};
        s.brightness = TW_FIX32{40, 0x8000};
        s.gamma = TW_FIX32{2, 13107};  // 2.2 as TWAIN stores it
        s.red = 10;
        s.green = -20;
        s.blue = 30;
        s.mirrorV = 1;
        s.mirrorH = 1;
        s.invert = 1;
        s.filterIndex = 2;
        return s;
    }
};

TEST_F(Adjustments, NeutralSettingsMakeNoCallAtAll) {
    EXPECT_EQ(ApplyDisplayAdjustments(*image, DisplayMode::SamplePicture, neutral, ops), nullptr);
    EXPECT_EQ(ApplyDisplayAdjustments(*image, DisplayMode::Preview, neutral, ops), nullptr);
    ApplyScanAdjustments(*image, neutral, ops);
    EXPECT_EQ(ops.calls, Calls{});
}

TEST_F(Adjustments, SamplePictureRunsEveryStepInOrder) {
    const auto result =
        ApplyDisplayAdjustments(*image, DisplayMode::SamplePicture, Everything(), ops);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(ops.calls, (Calls{"intensity -75 -1 7", "brightness 40", "gamma 21",
                                "mirror vertical", "mirror horizontal", "invert", "descreen",
                                "intensity 10 -1 4", "intensity -20 -1 2", "intensity 30 -1 1"}));
}

TEST_F(Adjustments, PreviewNeverShowsTheFlips) {
    AdjustmentSettings s = neutral;
    s.mirrorV = 1;
    s.mirrorH = 1;
    s.filterIndex = 1;
    ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops);
    EXPECT_EQ(ops.calls, Calls{"sharpen"});
}

TEST_F(Adjustments, TheLastDisplayStepFollowsThePixelType) {
    AdjustmentSettings s = neutral;
    s.red = 5;  // corrections count for colour only
    s.pixelType = TWPT_BW;
    EXPECT_NE(ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops), nullptr);
    s.pixelType = TWPT_GRAY;
    EXPECT_NE(ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops), nullptr);
    s.pixelType = TWPT_PALETTE;
    EXPECT_NE(ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops), nullptr);
    s.pixelType = 7;
    EXPECT_EQ(ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops), nullptr);
    s.pixelType = TWPT_RGB;
    s.green = 0;
    EXPECT_EQ(ApplyDisplayAdjustments(*image, DisplayMode::Preview, s, ops), nullptr);
    EXPECT_EQ(ops.calls, (Calls{"reduce to black and white", "reduce to grey", "reduce to grey",
                                "intensity 5 -1 4"}));
}

TEST_F(Adjustments, NumbersAreTruncatedTowardZero) {
    struct Case {
        TW_FIX32 contrast, gamma;
        Calls calls;
    };
    const Case cases[] = {
        {{3, 0}, {1, 0}, {"intensity 75 -1 7"}},
        {{2, 0xFFFF}, {1, 0xFFFF}, {"intensity 50 -1 7", "gamma 19"}},
        {{0, 0xFFFF}, {1, 0}, {}},
        {{-1, 0x8000}, {1, 0}, {}},                                  // -0.5
        {{-2, 0x8000}, {5, 0}, {"intensity -25 -1 7", "gamma 50"}},  // -1.5
        {{0, 0}, {0, 0xFFFF}, {"gamma 9"}},
    };
    for (const Case& c : cases) {
        AdjustmentSettings s = neutral;
        s.contrast = c.contrast;
        s.gamma = c.gamma;
        ops.calls.clear();
        ApplyScanAdjustments(*image, s, ops);
        EXPECT_EQ(ops.calls, c.calls);
    }
}

TEST_F(Adjustments, TheFinalPageGetsNeitherBrightnessNorCorrectionsNorAReduction) {
    AdjustmentSettings s = Everything();
    s.pixelType = TWPT_BW;
    s.filterIndex = 1;
    ApplyScanAdjustments(*image, s, ops);
    EXPECT_EQ(ops.calls, (Calls{"intensity -75 -1 7", "gamma 21", "mirror vertical",
                                "mirror horizontal", "invert", "sharpen"}));
    ops.calls.clear();
    s.filterIndex = 3;
    s.mirrorV = 0;
    s.invert = 0;
    ApplyScanAdjustments(*image, s, ops);
    EXPECT_EQ(ops.calls, (Calls{"intensity -75 -1 7", "gamma 21", "mirror horizontal"}));
}

TEST_F(Adjustments, TheLibraryCarriesTheStepsOut) {
    auto page =
        MakeImage(memory, 4, 2, 24, [](int x, int) { return x < 2 ? 0x000000u : 0xFFFFFFu; });
    AdjustmentSettings s = neutral;
    s.mirrorV = 1;
    s.pixelType = TWPT_BW;
    auto shown = ApplyDisplayAdjustments(*page, DisplayMode::SamplePicture, s);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->BitCount(), 1);
    EXPECT_EQ(PixelAt(*shown, 0, 0), 1u);  // flipped: white now on the left
    EXPECT_EQ(PixelAt(*shown, 3, 1), 0u);

    s.invert = 1;
    ApplyScanAdjustments(*page, s);  // flips back and inverts
    EXPECT_EQ(PixelAt(*page, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(*page, 3, 0), 0u);
}

}  // namespace
}  // namespace z8::test
