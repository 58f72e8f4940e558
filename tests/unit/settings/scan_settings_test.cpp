#include "settings/scan_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "twain/fix32.h"

namespace z8 {
namespace {

class FixedPaths final : public SystemPaths {
public:
    explicit FixedPaths(std::string dir) : dir_(std::move(dir)) {}
    std::string WindowsDirectory() const override { return dir_; }

private:
    std::string dir_;
};

::testing::AssertionResult IsFix(TW_FIX32 value, TW_INT16 whole, TW_UINT16 frac) {
    if (value.Whole == whole && value.Frac == frac) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << value.Whole << "/" << value.Frac << " instead of " << whole << "/" << frac;
}

// Within `units` 1/65536 of the expected real.
::testing::AssertionResult Near(TW_FIX32 value, double expected, int units = 2) {
    const double real = value.Whole + value.Frac / 65536.0;
    if (std::fabs(real - expected) <= units / 65536.0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << real << " instead of " << expected;
}

class ScanSettingsTest : public ::testing::Test {
protected:
    FixedPaths paths{"C:\\WINDOWS"};
    CScanSettings s{paths};
};

TEST_F(ScanSettingsTest, InitialValues) {
    EXPECT_TRUE(IsFix(s.XResolution(), 80, 0));
    EXPECT_TRUE(IsFix(s.Gamma(), 1, 0));
    EXPECT_EQ(s.RulerUnit(), 1);
    EXPECT_EQ(s.XferCount(), -1);
    EXPECT_EQ(s.BitDepth(), 8);  // from the grey pixel type
    EXPECT_EQ(s.FeederSupport(), kFeederAbsent);
    EXPECT_EQ(s.ImageFileFormat(), TWFF_BMP);
    EXPECT_STREQ(s.FileName(), "C:\\WINDOWS\\sample.bmp");
    // The A4 page in inches, and the pixel frame at 80 dpi from it.
    const TW_IMAGELAYOUT layout = s.GetLayout();
    EXPECT_TRUE(IsFix(layout.Frame.Right, 8, 17695));
    EXPECT_TRUE(IsFix(layout.Frame.Bottom, 11, 45875));
    EXPECT_EQ(TW_UINT32{layout.DocumentNumber}, 0u);
    EXPECT_EQ(s.ImageWidth(), 661);
    EXPECT_EQ(s.ImageHeight(), 935);
}

TEST_F(ScanSettingsTest, SettersIgnoreOrClampValuesOutsideTheirSets) {
    s.SetPixelType(TWPT_RGB);
    s.SetBitDepth(8);
    s.ResetBitDepth();
    EXPECT_EQ(s.BitDepth(), 24);
    s.SetPixelType(4);
    EXPECT_EQ(s.PixelType(), TWPT_RGB);
    EXPECT_EQ(s.BitDepth(), 24);
    s.SetPixelType(TWPT_BW);
    EXPECT_EQ(s.BitDepth(), 1);
    s.SetBitDepth(16);
    EXPECT_EQ(s.BitDepth(), 1);

    s.SetXferCount(20000);
    EXPECT_EQ(s.XferCount(), 15360);
    s.SetXferCount(-5);
    EXPECT_EQ(s.XferCount(), -1);
    s.SetXferCount(0);
    EXPECT_EQ(s.XferCount(), 0);

    s.SetGamma(FloatToFix32(0.5f));
    EXPECT_TRUE(IsFix(s.Gamma(), 1, 0));
    s.SetGamma(FloatToFix32(7.0f));
    EXPECT_TRUE(IsFix(s.Gamma(), 5, 0));
    s.SetGamma(TW_FIX32{2, 13107});  // kept exactly as given
    EXPECT_TRUE(IsFix(s.Gamma(), 2, 13107));

    s.SetRed(-100);
    s.SetRed(-101);
    s.SetRed(101);
    EXPECT_EQ(s.Red(), -100);
    s.SetBlue(100);
    EXPECT_EQ(s.Blue(), 100);

    s.SetRulerUnit(0);
    s.SetRulerUnit(2);
    EXPECT_EQ(s.RulerUnit(), 0);
    s.SetXferMech(3);
    s.SetXferMech(4);
    EXPECT_EQ(s.XferMech(), 3);
    s.SetImageFileFormat(4);
    EXPECT_EQ(s.ImageFileFormat(), TWFF_BMP);

    // Stored as given, no clamp.
    s.SetBrightness(TW_FIX32{250, 0});
    EXPECT_EQ(s.BrightnessWhole(), 250);
    s.SetContrast(TW_FIX32{-3, 32768});
    EXPECT_EQ(s.ContrastWhole(), -3);
    EXPECT_EQ(s.ContrastReal(), -2.5f);
}

TEST_F(ScanSettingsTest, ResolutionsAreKeptInDotsPerInch) {
    s.SetXResolutionIndex(4);
    s.ConvertUnits(TWUN_CENTIMETERS);
    EXPECT_TRUE(IsFix(s.XResolution(), 300, 0));
    EXPECT_TRUE(IsFix(s.GetXResolution(), 118, 7225));  // about 118.11

    s.SetXResolution(TW_FIX32{300, 0});  // per centimetre: 300 x 2.54
    EXPECT_TRUE(IsFix(s.XResolution(), 762, 0));
    EXPECT_TRUE(IsFix(s.GetXResolution(), 300, 0));

    s.ConvertUnits(TWUN_PIXELS);
    s.SetXResolution(TW_FIX32{600, 0});
    EXPECT_TRUE(IsFix(s.XResolution(), 762, 0));
    EXPECT_TRUE(IsFix(s.GetXResolution(), 1, 0));

    s.SetYResolutionIndex(8);
    EXPECT_TRUE(IsFix(s.YResolution(), 2400, 0));
    s.SetYResolutionIndex(9);
    s.SetYResolutionIndex(-1);
    EXPECT_TRUE(IsFix(s.YResolution(), 2400, 0));
    EXPECT_EQ(CScanSettings::ResolutionEntry(0), 80);
    EXPECT_EQ(CScanSettings::ResolutionEntry(9), 0);
}

TEST_F(ScanSettingsTest, ResolutionListsPerUnit) {
    ASSERT_EQ(s.ResolutionList().size(), 9u);
    EXPECT_TRUE(IsFix(s.DefaultResolution(), 80, 0));

    s.ConvertUnits(TWUN_CENTIMETERS);
    const auto list = s.ResolutionList();
    ASSERT_EQ(list.size(), 9u);
    EXPECT_TRUE(IsFix(s.DefaultResolution(), 31, 0x7EFD));
    // Each entry is the inch entry divided by 2.54 with the fraction truncated
    // (FloatToFix32 of the product would give one unit more for most).
    for (size_t i = 0; i < list.size(); ++i) {
        const double cm = CScanSettings::ResolutionEntry(static_cast<int>(i)) / 2.54;
        EXPECT_EQ(list[i].Whole * 65536 + list[i].Frac, static_cast<int32_t>(cm * 65536)) << i;
    }
    EXPECT_TRUE(IsFix(list[8], 944, 57795));

    s.ConvertUnits(TWUN_PIXELS);
    ASSERT_EQ(s.ResolutionList().size(), 1u);
    EXPECT_TRUE(IsFix(s.DefaultResolution(), 1, 0));
}

TEST_F(ScanSettingsTest, EdgesInPixelsKeepTheWholePartOfTheSinglePrecisionProduct) {
    s.SetXResolutionIndex(4);
    s.SetYResolutionIndex(4);
    EXPECT_EQ(s.LeftInPixels(), 0);
    EXPECT_EQ(s.TopInPixels(), 0);
    EXPECT_EQ(s.RightInPixels(), 2481);
    EXPECT_EQ(s.BottomInPixels(), 3509);  // 11.699997 x 300, not 3510
    EXPECT_EQ(s.PhysicalRightInPixels80(), 661);
    EXPECT_EQ(s.PhysicalBottomInPixels80(), 935);

    s.ComputePixelFrame();
    EXPECT_EQ(s.ImageWidth(), 2481);
    EXPECT_EQ(s.ImageHeight(), 3509);

    // Pixels back to inches, and in centimetres.
    s.SetRightPixels(1500);
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 5, 0));
    EXPECT_EQ(s.RightInPixels(), 1500);
    s.ConvertUnits(TWUN_CENTIMETERS);
    s.SetBottomPixels(3000);
    EXPECT_TRUE(Near(s.GetLayout().Frame.Bottom, 25.4));
    EXPECT_EQ(s.BottomInPixels(), 2999);  // 25.399994 cm is 2999.99 pixels
}

TEST_F(ScanSettingsTest, ZeroOrHugeResolutionsGiveDefinedResults) {
    s.SetXResolutionDpi(0);
    EXPECT_EQ(s.RightInPixels(), 0);
    s.SetRightPixels(100);  // would divide by zero
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 0, 0));
    s.ConvertUnits(TWUN_PIXELS);
    s.SetRightPixels(100);
    s.ConvertUnits(TWUN_INCHES);
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 0, 0));

    // 30000 in at 2400 dpi is far beyond 16 bits: the value saturates.
    TW_IMAGELAYOUT layout = s.GetLayout();
    layout.Frame.Bottom = TW_FIX32{30000, 0};
    s.SetLayout(layout);
    s.SetYResolutionIndex(8);
    EXPECT_EQ(s.BottomInPixels(), 32767);
    s.ConvertUnits(TWUN_PIXELS);
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Bottom, 32767, 65535));
}

TEST_F(ScanSettingsTest, ConvertUnitsOnTheA4Frame) {
    s.SetXResolutionIndex(4);
    s.SetYResolutionIndex(4);
    TW_IMAGELAYOUT layout = s.GetLayout();
    layout.DocumentNumber = 3;
    layout.PageNumber = 4;
    layout.FrameNumber = 5;
    s.SetLayout(layout);

    s.ConvertUnits(TWUN_CENTIMETERS);
    EXPECT_EQ(s.Units(), TWUN_CENTIMETERS);
    EXPECT_TRUE(Near(s.GetLayout().Frame.Right, 21.0058));
    EXPECT_TRUE(Near(s.GetLayout().Frame.Bottom, 29.718));
    EXPECT_TRUE(Near(s.GetPhysicalLayout().Frame.Right, 21.0058));
    EXPECT_EQ(TW_UINT32{s.GetLayout().PageNumber}, 4u);

    s.ConvertUnits(2);  // not a unit of ours: nothing changes
    EXPECT_EQ(s.Units(), TWUN_CENTIMETERS);
    EXPECT_TRUE(Near(s.GetLayout().Frame.Right, 21.0058));

    s.ConvertUnits(TWUN_INCHES);
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 8, 17695));
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Bottom, 11, 45875));

    s.ConvertUnits(TWUN_PIXELS);
    EXPECT_EQ(s.GetLayout().Frame.Right.Whole, 2481);
    EXPECT_EQ(s.GetLayout().Frame.Bottom.Whole, 3509);
    EXPECT_EQ(s.GetPhysicalLayout().Frame.Right.Whole, 661);
    EXPECT_EQ(s.GetPhysicalLayout().Frame.Bottom.Whole, 935);
    EXPECT_EQ(TW_UINT32{s.GetLayout().FrameNumber}, 5u);
}

TEST_F(ScanSettingsTest, ConvertUnitsRoundTripsThroughEveryPair) {
    const TW_UINT16 units[] = {TWUN_INCHES, TWUN_CENTIMETERS, TWUN_PIXELS};
    for (const TW_UINT16 from : units) {
        for (const TW_UINT16 to : units) {
            if (from == to) continue;
            CScanSettings t(paths);
            t.SetXResolutionIndex(4);
            t.SetYResolutionIndex(2);
            t.ConvertUnits(from);
            const TW_FRAME before = t.GetLayout().Frame;
            const TW_FRAME physicalBefore = t.GetPhysicalLayout().Frame;
            t.ConvertUnits(to);
            t.ConvertUnits(from);
            const TW_FRAME after = t.GetLayout().Frame;
            const TW_FRAME physicalAfter = t.GetPhysicalLayout().Frame;
            // A few units of the last place; from pixels, one unit of an inch
            // or centimetre is a few thousandths of a pixel.
            const double tolerance = from == TWUN_PIXELS ? 0.01 : 3.0 / 65536;
            const auto close = [&](TW_FIX32 a, TW_FIX32 b) {
                return std::fabs(Fix32ToFloat(a) - Fix32ToFloat(b)) <= tolerance;
            };
            EXPECT_TRUE(close(before.Right, after.Right)) << from << "->" << to;
            EXPECT_TRUE(close(before.Bottom, after.Bottom)) << from << "->" << to;
            EXPECT_TRUE(close(physicalBefore.Right, physicalAfter.Right)) << from << "->" << to;
            EXPECT_TRUE(close(physicalBefore.Bottom, physicalAfter.Bottom)) << from << "->" << to;
            EXPECT_EQ(t.Units(), from);
        }
    }
}

TEST_F(ScanSettingsTest, ResetUnitsAndResetLayout) {
    s.ConvertUnits(TWUN_CENTIMETERS);
    s.SetRulerUnit(0);
    s.ResetUnits();
    EXPECT_EQ(s.Units(), TWUN_INCHES);
    EXPECT_EQ(s.RulerUnit(), 1);
    EXPECT_TRUE(Near(s.GetLayout().Frame.Right, 21.0058));  // now read as inches

    TW_IMAGELAYOUT layout = s.GetLayout();
    layout.Frame.Left = TW_FIX32{1, 0};
    layout.DocumentNumber = 7;
    s.SetLayout(layout);
    s.ResetLayout();
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Left, 0, 0));
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 8, 17695));
    EXPECT_EQ(TW_UINT32{s.GetLayout().DocumentNumber}, 7u);
    EXPECT_EQ(TW_UINT32{s.GetPhysicalLayout().DocumentNumber}, 0u);

    s.ConvertUnits(TWUN_CENTIMETERS);
    s.ResetLayout();
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, FloatToFix32(21.0058f).Whole,
                      FloatToFix32(21.0058f).Frac));
    EXPECT_TRUE(IsFix(s.GetPhysicalLayout().Frame.Bottom, FloatToFix32(29.718f).Whole,
                      FloatToFix32(29.718f).Frac));

    // In pixels the selected area is at the current resolution, the physical
    // area at 80 dpi, as the previews read it.
    s.SetXResolutionIndex(4);
    s.SetYResolutionIndex(4);
    s.ConvertUnits(TWUN_PIXELS);
    s.ResetLayout();
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Right, 2481, 16));
    EXPECT_TRUE(IsFix(s.GetLayout().Frame.Bottom, 3510, 0));
    EXPECT_EQ(s.PhysicalRightInPixels80(), 661);
    EXPECT_EQ(s.PhysicalBottomInPixels80(), 936);
}

TEST_F(ScanSettingsTest, WidthHeightAndBytesPerLine) {
    s.SetPixelFrameLeft(100);
    s.SetPixelFrameRight(50);
    s.SetPixelFrameTop(0);
    s.SetPixelFrameBottom(40000);
    EXPECT_EQ(s.ImageWidth(), 65486);  // unsigned 16-bit wrap
    EXPECT_EQ(s.ImageHeight(), 40000);

    s.SetPixelFrameLeft(0);
    s.SetPixelFrameRight(10);
    s.SetLinePadding(2);
    s.SetPixelType(TWPT_BW);
    EXPECT_EQ(s.BytesPerLine(), 4u);  // (10 + 7) x 1 / 8 + 2
    s.SetBitDepth(8);
    EXPECT_EQ(s.BytesPerLine(), 19u);  // (10 + 7) x 8 / 8 + 2
    s.SetPixelType(TWPT_GRAY);
    EXPECT_EQ(s.BytesPerLine(), 12u);
    s.SetPixelType(TWPT_PALETTE);
    EXPECT_EQ(s.BytesPerLine(), 12u);
    s.SetPixelType(TWPT_RGB);
    s.SetPixelFrameRight(3);
    s.SetLinePadding(3);
    EXPECT_EQ(s.BytesPerLine(), 12u);

    s.ComputePixelFrame();
    EXPECT_EQ(s.LinePadding(), 0);
    EXPECT_EQ(s.ImageWidth(), 661);
}

TEST_F(ScanSettingsTest, DocumentSourceAndDeviceAbilities) {
    s.SetDocumentSource(kSourceFeeder);
    EXPECT_EQ(s.FeederSelected(), 1);
    EXPECT_EQ(s.SourceCode(), 0);
    EXPECT_EQ(s.PreviewColourKind(), 0);  // no feeder
    s.SetFeederSupport(4);
    EXPECT_TRUE(s.FeederAvailable());
    EXPECT_EQ(s.PreviewColourKind(), 1);
    s.SetFeederSupport(5);
    EXPECT_EQ(s.PreviewColourKind(), 2);
    EXPECT_FALSE(s.FeederLoaded());
    s.SetPaperLoaded(1);
    EXPECT_TRUE(s.FeederLoaded());

    s.SetDocumentSource(kSourceFlatbed);
    EXPECT_EQ(s.FeederSelected(), 0);
    EXPECT_FALSE(s.FeederLoaded());
    EXPECT_EQ(s.SourceCode(), 1);
    EXPECT_FALSE(s.FlatbedAvailable());
    s.SetFlatbedSupport(2);
    EXPECT_EQ(s.PreviewColourKind(), 2);
    s.SetFlatbedSupport(1);
    EXPECT_EQ(s.PreviewColourKind(), 1);

    s.SetDocumentSource(9);
    EXPECT_EQ(s.DocumentSource(), 9);
    EXPECT_EQ(s.PreviewColourKind(), 0);
}

TEST_F(ScanSettingsTest, FileNamesStayWithinTheField) {
    s.SetImageFileFormat(0);
    s.ResetFileName(FixedPaths("C:\\"));
    EXPECT_STREQ(s.FileName(), "C:\\sample.bmp");
    EXPECT_EQ(s.ImageFileFormat(), TWFF_BMP);

    s.ResetFileName(FixedPaths(std::string(300, 'd')));
    EXPECT_EQ(std::strlen(s.FileName()), 255u);
    EXPECT_EQ(std::string(s.FileName()), std::string(255, 'd'));

    // A full TWAIN string without its terminator.
    char unterminated[256];
    std::memset(unterminated, 'x', sizeof unterminated);
    s.SetFileName(unterminated);
    EXPECT_EQ(std::strlen(s.FileName()), 255u);
    s.SetFileName("out.tif");
    EXPECT_STREQ(s.FileName(), "out.tif");
}

}  // namespace
}  // namespace z8
