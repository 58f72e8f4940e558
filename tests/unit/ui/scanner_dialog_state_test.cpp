#include "ui/scanner_dialog_state.h"

#include <gtest/gtest.h>

#include "tests/unit/ui/fixed_paths.h"

namespace z8 {
namespace {

const std::vector<std::string> kAllResolutions{"80",  "100", "150",  "200", "300",
                                               "400", "600", "1200", "2400"};
const std::vector<std::string> kFeederResolutions{"80", "100", "150", "200", "300", "400", "600"};

struct SourceCase {
    const char* name;
    TW_UINT16 source;
    TW_UINT16 flatbedSupport;
    TW_UINT16 feederSupport;
    bool large;
    WindowPixels window;
    bool previewEnabled;
    bool scanEnabled;  // also image parameters and the resolution list
    bool feederEnabled;
    bool flatbedEnabled;
    bool modesEnabled;  // black and white and grey
    bool colourEnabled;
    std::optional<bool> colourVisible;
    const std::vector<std::string>* resolutions;
};

const SourceCase kSourceCases[] = {
    {"no device", kSourceNone, kFlatbedAbsent, kFeederAbsent, false, kNarrowWindow, false, false,
     false, false, false, false, std::nullopt, nullptr},
    {"no source, both present", kSourceNone, 2, 5, true, kNarrowLargeWindow, false, false, true,
     true, false, false, std::nullopt, nullptr},
    {"colour flatbed", kSourceFlatbed, 2, kFeederAbsent, false, kWideWindow, true, true, false,
     true, true, true, true, &kAllResolutions},
    {"grey flatbed, large fonts", kSourceFlatbed, 1, 4, true, kWideLargeWindow, true, true, true,
     true, true, false, false, &kAllResolutions},
    {"colour feeder", kSourceFeeder, kFlatbedAbsent, 5, false, kNarrowWindow, false, true, true,
     false, true, true, true, &kFeederResolutions},
    {"grey feeder beside a flatbed", kSourceFeeder, 2, 4, false, kNarrowWindow, false, true, true,
     true, true, false, false, &kFeederResolutions},
};

TEST(ScannerDialogState, EachSourceSizesTheWindowAndEnablesItsControls) {
    for (const SourceCase& c : kSourceCases) {
        SCOPED_TRACE(c.name);
        test::FixedPaths paths;
        CScanSettings settings(paths);
        settings.SetFlatbedSupport(c.flatbedSupport);
        settings.SetFeederSupport(c.feederSupport);
        settings.SetDocumentSource(c.source);
        const ScannerDialogState state = DialogStateFor(settings, c.large);
        EXPECT_EQ(state.window, c.window);
        EXPECT_EQ(state.clearPreview, c.source != kSourceFlatbed);
        EXPECT_EQ(state.showPreview, c.source == kSourceFlatbed);
        EXPECT_EQ(state.feederChosen, c.source == kSourceFeeder);
        EXPECT_EQ(state.flatbedChosen, c.source == kSourceFlatbed);
        EXPECT_EQ(state.previewEnabled, c.previewEnabled);
        EXPECT_EQ(state.scanEnabled, c.scanEnabled);
        EXPECT_EQ(state.imageParamsEnabled, c.scanEnabled);
        EXPECT_EQ(state.resolutionEnabled, c.scanEnabled);
        EXPECT_EQ(state.feederEnabled, c.feederEnabled);
        EXPECT_EQ(state.flatbedEnabled, c.flatbedEnabled);
        EXPECT_EQ(state.blackWhiteEnabled, c.modesEnabled);
        EXPECT_EQ(state.greyEnabled, c.modesEnabled);
        EXPECT_EQ(state.colourEnabled, c.colourEnabled);
        EXPECT_EQ(state.colourVisible, c.colourVisible);
        if (c.resolutions == nullptr) {
            EXPECT_FALSE(state.resolutions.has_value());
        } else {
            ASSERT_TRUE(state.resolutions.has_value());
            EXPECT_EQ(*state.resolutions, *c.resolutions);
        }
    }
}

TEST(ScannerDialogState, ResolutionEntryAndModeButtonFollowTheSettings) {
    struct Case {
        TW_UINT16 source;
        TW_INT16 dpi;
        TW_UINT16 pixelType;
        int selection;
        ModeButton mode;
    };
    const Case cases[] = {
        {kSourceFlatbed, 80, TWPT_BW, 0, ModeButton::BlackWhite},
        {kSourceFlatbed, 2400, TWPT_GRAY, 8, ModeButton::Grey},
        {kSourceFlatbed, 250, TWPT_RGB, -1, ModeButton::Colour},  // from a profile: not listed
        {kSourceFeeder, 600, TWPT_PALETTE, 6, ModeButton::Grey},  // palette shows as grey
        {kSourceFeeder, 1200, TWPT_RGB, -1, ModeButton::Colour},  // beyond the feeder's list
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " " << c.dpi << " " << c.pixelType);
        test::FixedPaths paths;
        CScanSettings settings(paths);
        settings.SetFlatbedSupport(2);
        settings.SetFeederSupport(5);
        settings.SetDocumentSource(c.source);
        settings.SetXResolutionDpi(c.dpi);
        settings.SetPixelType(c.pixelType);
        const ScannerDialogState state = DialogStateFor(settings, false);
        EXPECT_EQ(state.resolutionSelection, c.selection);
        EXPECT_EQ(state.chosenMode, c.mode);
    }
}

}  // namespace
}  // namespace z8
