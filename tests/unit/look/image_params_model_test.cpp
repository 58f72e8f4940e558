#include "ui/image_params_model.h"

#include <gtest/gtest.h>

#include "platform/system_paths.h"

namespace z8::ui {
namespace {

class NoPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
};

bool operator==(const TW_FIX32& a, const TW_FIX32& b) {
    return a.Whole == b.Whole && a.Frac == b.Frac;
}

// Settings with every edited value away from its default, fractions included.
void Prime(CScanSettings& s, TW_UINT16 pixelType) {
    s.SetPixelType(pixelType);
    s.SetRed(40);
    s.SetGreen(-25);
    s.SetBlue(7);
    s.SetContrast(TW_FIX32{-2, 0x8000});
    s.SetBrightness(TW_FIX32{33, 0x4000});
    s.SetGamma(TW_FIX32{2, 0x2000});
    s.SetMirrorV(1);
    s.SetInvert(1);
    s.SetFilterIndex(2);
}

void ExpectSame(const ImageParamsValues& a, const ImageParamsValues& b) {
    EXPECT_EQ(a.mirrorV, b.mirrorV);
    EXPECT_EQ(a.mirrorH, b.mirrorH);
    EXPECT_EQ(a.invert, b.invert);
    EXPECT_EQ(a.red, b.red);
    EXPECT_EQ(a.green, b.green);
    EXPECT_EQ(a.blue, b.blue);
    EXPECT_TRUE(a.contrast == b.contrast);
    EXPECT_TRUE(a.brightness == b.brightness);
    EXPECT_EQ(a.filterIndex, b.filterIndex);
}

TEST(ImageParamsModel, OpeningPerPixelType) {
    struct Case {
        TW_UINT16 pixelType;
        bool colourShown;
        int red;
    };
    const Case cases[] = {
        {TWPT_BW, false, 0}, {TWPT_GRAY, false, 0}, {TWPT_RGB, true, 40}, {TWPT_PALETTE, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixelType);
        NoPaths paths;
        CScanSettings s(paths);
        Prime(s, c.pixelType);
        ImageParamsModel model(s);
        EXPECT_EQ(model.ColourShown(), c.colourShown);
        // Outside colour the corrections are 0 as soon as the dialog opens.
        EXPECT_EQ(s.Red(), c.red);
        EXPECT_EQ(s.Green(), c.colourShown ? -25 : 0);
        const SliderPositions p = model.Initial();
        EXPECT_EQ(p.red, c.red);
        EXPECT_EQ(p.contrast, -2);
        EXPECT_EQ(p.brightness, 33);
    }
}

TEST(ImageParamsModel, CancelPutsBackTheExactValues) {
    for (TW_UINT16 pixelType : {TWPT_GRAY, TWPT_RGB}) {
        SCOPED_TRACE(pixelType);
        NoPaths paths;
        CScanSettings s(paths);
        Prime(s, pixelType);
        const ImageParamsValues before = ReadImageParams(s);
        ImageParamsModel model(s);
        model.ReadSliders(model.Initial());
        model.ReadSliders({90, 80, -70, 3, -100});
        model.Toggle(ImageParamsModel::Flag::MirrorH);
        model.Toggle(ImageParamsModel::Flag::Invert);
        model.SelectFilter(1);
        model.Cancel();
        ExpectSame(ReadImageParams(s), before);
    }
}

TEST(ImageParamsModel, ChangesAreWrittenAtOnceAndKept) {
    NoPaths paths;
    CScanSettings s(paths);
    Prime(s, TWPT_RGB);
    ImageParamsModel model(s);
    model.ReadSliders({90, 80, -70, 3, -100});
    EXPECT_EQ(s.Red(), 90);
    EXPECT_EQ(s.Blue(), -70);
    EXPECT_EQ(s.ContrastWhole(), 3);
    EXPECT_EQ(s.BrightnessWhole(), -100);
    // Out of their ranges, the sliders' values are held at the ends.
    model.ReadSliders({250, -250, 0, 9, 300});
    EXPECT_EQ(s.Red(), 100);
    EXPECT_EQ(s.Green(), -100);
    EXPECT_EQ(s.ContrastWhole(), 3);
    EXPECT_EQ(s.BrightnessWhole(), 100);
    EXPECT_TRUE(model.Toggle(ImageParamsModel::Flag::MirrorH));
    EXPECT_EQ(s.MirrorH(), 1);
    EXPECT_FALSE(model.Toggle(ImageParamsModel::Flag::MirrorV));
    EXPECT_EQ(s.MirrorV(), 0);
    model.SelectFilter(1);
    model.SelectFilter(3);
    model.SelectFilter(-1);
    EXPECT_EQ(s.FilterIndex(), 1);
}

TEST(ImageParamsModel, ColourSlidersAreIgnoredOutsideColour) {
    NoPaths paths;
    CScanSettings s(paths);
    Prime(s, TWPT_GRAY);
    ImageParamsModel model(s);
    model.ReadSliders({90, 80, -70, 1, 5});
    EXPECT_EQ(s.Red(), 0);
    EXPECT_EQ(s.Green(), 0);
    EXPECT_EQ(s.BrightnessWhole(), 5);
}

TEST(ImageParamsModel, ResetToDefaultsKeepsGamma) {
    NoPaths paths;
    CScanSettings s(paths);
    Prime(s, TWPT_RGB);
    const TW_FIX32 gamma = s.Gamma();
    ImageParamsModel model(s);
    const SliderPositions p = model.Reset();
    EXPECT_EQ(p.red, 0);
    EXPECT_EQ(p.contrast, 0);
    EXPECT_EQ(s.Red(), 0);
    EXPECT_EQ(s.ContrastWhole(), 0);
    EXPECT_EQ(s.BrightnessWhole(), 0);
    EXPECT_EQ(s.MirrorV(), 0);
    EXPECT_EQ(s.Invert(), 0);
    EXPECT_EQ(s.FilterIndex(), 0);
    EXPECT_TRUE(s.Gamma() == gamma);
}

}  // namespace
}  // namespace z8::ui
