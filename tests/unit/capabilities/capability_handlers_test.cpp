// What each capability reports and stores, through DS_Entry.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/unit/capabilities/capability_client.h"

namespace z8 {
namespace {

using test::Answer;
using test::BitsOf;
using test::FixOf;

using Items = std::vector<TW_UINT32>;

float Real(TW_UINT32 bits) {
    const TW_FIX32 f = FixOf(bits);
    return static_cast<float>(f.Whole + f.Frac / 65536.0);
}

class CapabilityHandlers : public test::CapabilityClient {
protected:
    CScanSettings& settings = rig.session.Settings();

    TW_UINT32 Item(TW_UINT16 cap, TW_UINT16 msg = MSG_GET) { return Get(cap, msg).item; }
    TW_UINT16 Refusal(const Answer& answer) {
        EXPECT_EQ(answer.rc, TWRC_FAILURE);
        return answer.cc;
    }
    TW_UINT16 Served(const Answer& answer) {
        EXPECT_EQ(answer.rc, TWRC_SUCCESS);
        return answer.cc;
    }
};

TEST_F(CapabilityHandlers, SupportedCapsListsTheTableInItsOrder) {
    const Items expected{0x100F, 0x1014, 0x100B, 0x1005, 0x1006, 0x100E, 0x0001, 0x1007,
                         0x102D, 0x1012, 0x1002, 0x1003, 0x102E, 0x100D, 0x112B, 0x111C,
                         0x0100, 0x111F, 0x0101, 0x1112, 0x1111, 0x1120, 0x0102, 0x0103,
                         0x1118, 0x1119, 0x1101, 0x1103, 0x1108, 0x110D, 0x110C, 0x111B};
    for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT}) {
        const test::Container c = Get(CAP_SUPPORTEDCAPS, msg);
        EXPECT_EQ(c.numItems, 32u);
        EXPECT_EQ(c.items, expected);
        EXPECT_EQ(c.blockSize, 32u * 2 + 7);
    }
}

TEST_F(CapabilityHandlers, XferCountTakesOnlySignedItemsAndClamps) {
    EXPECT_EQ(Refusal(SetWith(CAP_XFERCOUNT, TWTY_UINT16, 65535)), TWCC_BADVALUE);
    EXPECT_EQ(Refusal(SetWith(CAP_XFERCOUNT, TWTY_INT16, 3, TWON_RANGE)), TWCC_BADVALUE);
    EXPECT_EQ(settings.XferCount(), -1);
    EXPECT_EQ(Served(SetWith(CAP_XFERCOUNT, TWTY_INT16, 5)), TWCC_SUCCESS);
    EXPECT_EQ(Item(CAP_XFERCOUNT), 5u);
    EXPECT_EQ(Item(CAP_XFERCOUNT, MSG_GETCURRENT), 5u);
    EXPECT_EQ(Item(CAP_XFERCOUNT, MSG_GETDEFAULT), 65535u);
    EXPECT_EQ(Served(SetWith(CAP_XFERCOUNT, TWTY_INT16, 20000)), TWCC_SUCCESS);
    EXPECT_EQ(settings.XferCount(), 15360);
    EXPECT_EQ(Served(SetWith(CAP_XFERCOUNT, TWTY_INT16, 0xFFFB)), TWCC_SUCCESS);  // -5
    EXPECT_EQ(settings.XferCount(), -1);
    EXPECT_EQ(Served(SetWith(CAP_XFERCOUNT, TWTY_INT16, 0xFFFF)), TWCC_SUCCESS);  // -1
    EXPECT_EQ(settings.XferCount(), -1);
    settings.SetXferCount(9);
    EXPECT_EQ(Served(Ask(CAP_XFERCOUNT, MSG_RESET)), TWCC_SUCCESS);
    const test::Container c = Get(CAP_XFERCOUNT);
    EXPECT_EQ(c.itemType, TWTY_UINT16);
    EXPECT_EQ(c.item, 65535u);
}

TEST_F(CapabilityHandlers, PixelTypeEnumerationAndBitDepth) {
    EXPECT_EQ(Served(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_RGB)), TWCC_SUCCESS);
    EXPECT_EQ(settings.BitDepth(), 24);
    const test::Container c = Get(ICAP_PIXELTYPE);
    EXPECT_EQ(c.items, (Items{0, 1, 3, 2}));
    EXPECT_EQ(c.currentIndex, 3u);
    EXPECT_EQ(c.defaultIndex, 1u);
    EXPECT_EQ(Item(ICAP_PIXELTYPE, MSG_GETCURRENT), 2u);
    EXPECT_EQ(Item(ICAP_PIXELTYPE, MSG_GETDEFAULT), 1u);
    EXPECT_EQ(Item(ICAP_BITDEPTH), 24u);

    // Values outside the list, and containers other than a one-value, are
    // served without a change; a wrong item type is refused.
    EXPECT_EQ(Served(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, 4)), TWCC_SUCCESS);
    EXPECT_EQ(Served(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, 0, TWON_ARRAY)), TWCC_SUCCESS);
    EXPECT_EQ(Refusal(SetWith(ICAP_PIXELTYPE, TWTY_INT16, 0)), TWCC_BADVALUE);
    EXPECT_EQ(settings.PixelType(), TWPT_RGB);

    EXPECT_EQ(Served(SetWith(ICAP_BITDEPTH, TWTY_UINT16, 1)), TWCC_SUCCESS);
    EXPECT_EQ(settings.BitDepth(), 1);
    EXPECT_EQ(Served(SetWith(ICAP_BITDEPTH, TWTY_UINT16, 16)), TWCC_SUCCESS);
    EXPECT_EQ(settings.BitDepth(), 1);
    EXPECT_EQ(Served(Ask(ICAP_BITDEPTH, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.BitDepth(), 24);

    EXPECT_EQ(Served(Ask(ICAP_PIXELTYPE, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.PixelType(), TWPT_GRAY);
}

TEST_F(CapabilityHandlers, UnitsDefaultToCentimetresButResetToInches) {
    settings.SetRulerUnit(0);
    EXPECT_EQ(Served(SetWith(ICAP_UNITS, TWTY_UINT16, TWUN_PIXELS)), TWCC_SUCCESS);
    const test::Container c = Get(ICAP_UNITS);
    EXPECT_EQ(c.items, (Items{0, 1, 5}));
    EXPECT_EQ(c.currentIndex, 2u);
    EXPECT_EQ(c.defaultIndex, 1u);
    EXPECT_EQ(Item(ICAP_UNITS, MSG_GETCURRENT), 5u);
    EXPECT_EQ(Item(ICAP_UNITS, MSG_GETDEFAULT), 1u);
    EXPECT_EQ(Served(SetWith(ICAP_UNITS, TWTY_UINT16, 3)), TWCC_SUCCESS);
    EXPECT_EQ(settings.Units(), TWUN_PIXELS);
    EXPECT_EQ(Served(Ask(ICAP_UNITS, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.Units(), TWUN_INCHES);
    EXPECT_EQ(settings.RulerUnit(), 1);
}

TEST_F(CapabilityHandlers, SettingUnitsConvertsTheLayouts) {
    EXPECT_NEAR(Real(Item(ICAP_PHYSICALWIDTH)), 8.27, 1e-4);
    EXPECT_NEAR(Real(Item(ICAP_PHYSICALHEIGHT)), 11.7, 1e-4);
    EXPECT_EQ(Served(SetWith(ICAP_UNITS, TWTY_UINT16, TWUN_CENTIMETERS)), TWCC_SUCCESS);
    EXPECT_NEAR(Real(Item(ICAP_PHYSICALWIDTH, MSG_GETCURRENT)), 21.0058, 1e-3);
    EXPECT_NEAR(Real(Item(ICAP_PHYSICALHEIGHT, MSG_GETDEFAULT)), 29.718, 1e-3);
    EXPECT_EQ(Served(SetWith(ICAP_UNITS, TWTY_UINT16, TWUN_PIXELS)), TWCC_SUCCESS);
    // The physical area counts pixels at 80 dots per inch.
    EXPECT_EQ(FixOf(Item(ICAP_PHYSICALWIDTH)).Whole, 661);
    EXPECT_EQ(FixOf(Item(ICAP_PHYSICALHEIGHT)).Whole, 935);
}

TEST_F(CapabilityHandlers, XferMechEnumeration) {
    EXPECT_EQ(Served(SetWith(ICAP_XFERMECH, TWTY_UINT16, TWSX_MEMORY)), TWCC_SUCCESS);
    const test::Container c = Get(ICAP_XFERMECH);
    EXPECT_EQ(c.items, (Items{0, 1, 2, 3}));
    EXPECT_EQ(c.currentIndex, 2u);
    EXPECT_EQ(c.defaultIndex, 0u);
    EXPECT_EQ(Served(SetWith(ICAP_XFERMECH, TWTY_UINT16, 4)), TWCC_SUCCESS);
    EXPECT_EQ(Item(ICAP_XFERMECH, MSG_GETCURRENT), 2u);
    EXPECT_EQ(Item(ICAP_XFERMECH, MSG_GETDEFAULT), 0u);
    EXPECT_EQ(Served(Ask(ICAP_XFERMECH, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.XferMech(), 0);
}

TEST_F(CapabilityHandlers, ResolutionListsByUnitWithPositionZero) {
    settings.SetXResolutionDpi(300);
    test::Container c = Get(ICAP_XRESOLUTION);
    EXPECT_EQ(c.itemType, TWTY_FIX32);
    Items inches;
    for (TW_INT16 dpi : {80, 100, 150, 200, 300, 400, 600, 1200, 2400})
        inches.push_back(BitsOf(TW_FIX32{dpi, 0}));
    EXPECT_EQ(c.items, inches);
    EXPECT_EQ(c.currentIndex, 0u);
    EXPECT_EQ(c.defaultIndex, 0u);
    EXPECT_EQ(c.blockSize, 9u * 4 + 15);
    EXPECT_EQ(Item(ICAP_XRESOLUTION, MSG_GETCURRENT), BitsOf(TW_FIX32{300, 0}));
    EXPECT_EQ(Item(ICAP_YRESOLUTION, MSG_GETCURRENT), BitsOf(TW_FIX32{80, 0}));
    EXPECT_EQ(Item(ICAP_YRESOLUTION, MSG_GETDEFAULT), BitsOf(TW_FIX32{80, 0}));

    settings.ConvertUnits(TWUN_CENTIMETERS);
    c = Get(ICAP_YRESOLUTION);
    const Items centimetres{BitsOf({31, 32509}),  BitsOf({39, 24253}),  BitsOf({59, 3612}),
                            BitsOf({78, 48506}),  BitsOf({118, 7224}),  BitsOf({157, 31477}),
                            BitsOf({236, 14448}), BitsOf({472, 28897}), BitsOf({944, 57795})};
    EXPECT_EQ(c.items, centimetres);
    EXPECT_EQ(Item(ICAP_XRESOLUTION, MSG_GETDEFAULT), BitsOf({31, 32509}));

    settings.ConvertUnits(TWUN_PIXELS);
    c = Get(ICAP_XRESOLUTION);
    EXPECT_EQ(c.items, (Items{BitsOf({1, 0})}));
    EXPECT_EQ(Item(ICAP_XRESOLUTION, MSG_GETCURRENT), BitsOf({1, 0}));
    // Ignored in pixels, but served.
    EXPECT_EQ(Served(SetFix(ICAP_XRESOLUTION, 600.0f)), TWCC_SUCCESS);
    EXPECT_EQ(settings.XResolution().Whole, 300);
}

TEST_F(CapabilityHandlers, ResolutionSetInCentimetresIsKeptInDotsPerInch) {
    settings.ConvertUnits(TWUN_CENTIMETERS);
    EXPECT_EQ(Served(SetFix(ICAP_XRESOLUTION, 300.0f)), TWCC_SUCCESS);
    EXPECT_NEAR(Real(BitsOf(settings.XResolution())), 762.0, 1e-3);
    EXPECT_NEAR(Real(Item(ICAP_XRESOLUTION, MSG_GETCURRENT)), 300.0, 1e-3);
    EXPECT_EQ(settings.YResolution().Whole, 80);
    EXPECT_EQ(Refusal(SetWith(ICAP_YRESOLUTION, TWTY_UINT16, 300)), TWCC_BADVALUE);
    EXPECT_EQ(Served(SetFix(ICAP_YRESOLUTION, 118.11f)), TWCC_SUCCESS);
    EXPECT_NEAR(Real(BitsOf(settings.YResolution())), 300.0, 1e-2);
    EXPECT_EQ(Served(Ask(ICAP_XRESOLUTION, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(BitsOf(settings.XResolution()), BitsOf({80, 0}));
    EXPECT_NEAR(Real(BitsOf(settings.YResolution())), 300.0, 1e-2);
}

TEST_F(CapabilityHandlers, GammaClampsBrightnessAndContrastDoNot) {
    EXPECT_EQ(Served(SetFix(ICAP_GAMMA, 7.5f)), TWCC_SUCCESS);
    EXPECT_EQ(BitsOf(settings.Gamma()), BitsOf({5, 0}));
    EXPECT_EQ(Served(SetFix(ICAP_GAMMA, 0.5f)), TWCC_SUCCESS);
    EXPECT_EQ(BitsOf(settings.Gamma()), BitsOf({1, 0}));
    EXPECT_EQ(Served(SetFix(ICAP_GAMMA, 2.5f)), TWCC_SUCCESS);
    test::Container c = Get(ICAP_GAMMA, MSG_GETDEFAULT);
    EXPECT_EQ(c.minValue, BitsOf({1, 0}));
    EXPECT_EQ(c.maxValue, BitsOf({5, 0}));
    EXPECT_EQ(c.stepSize, BitsOf({0, 6554}));
    EXPECT_EQ(c.defaultValue, BitsOf({1, 0}));
    EXPECT_EQ(c.currentValue, BitsOf({2, 32768}));
    EXPECT_EQ(Served(Ask(ICAP_GAMMA, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(BitsOf(settings.Gamma()), BitsOf({1, 0}));

    EXPECT_EQ(Served(SetFix(ICAP_BRIGHTNESS, 250.0f)), TWCC_SUCCESS);
    c = Get(ICAP_BRIGHTNESS, MSG_GETCURRENT);
    EXPECT_EQ(c.minValue, BitsOf({-100, 0}));
    EXPECT_EQ(c.maxValue, BitsOf({100, 0}));
    EXPECT_EQ(c.stepSize, BitsOf({1, 0}));
    EXPECT_EQ(c.defaultValue, 0u);
    EXPECT_EQ(c.currentValue, BitsOf({250, 0}));

    EXPECT_EQ(Served(SetFix(ICAP_CONTRAST, -7.0f)), TWCC_SUCCESS);
    c = Get(ICAP_CONTRAST);
    EXPECT_EQ(c.minValue, BitsOf({-3, 0}));
    EXPECT_EQ(c.maxValue, BitsOf({3, 0}));
    EXPECT_EQ(c.currentValue, BitsOf(FloatToFix32(-7.0f)));
    EXPECT_EQ(Served(Ask(ICAP_CONTRAST, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(Served(Ask(ICAP_BRIGHTNESS, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(BitsOf(settings.Contrast()), 0u);
    EXPECT_EQ(BitsOf(settings.Brightness()), 0u);
}

TEST_F(CapabilityHandlers, SourceSelectionNeedsTheDeviceToHaveIt) {
    // The fixture's device has both a feeder and a flatbed; the flatbed is selected.
    EXPECT_EQ(Item(CAP_FEEDERENABLED, MSG_GETCURRENT), 0u);
    EXPECT_EQ(Served(SetWith(CAP_FEEDERENABLED, TWTY_BOOL, 1)), TWCC_SUCCESS);
    EXPECT_EQ(settings.DocumentSource(), kSourceFeeder);
    EXPECT_EQ(settings.FeederSelected(), 1);
    EXPECT_EQ(Item(CAP_FEEDERENABLED), 0u);  // MSG_GET always says FALSE
    EXPECT_EQ(Item(CAP_FEEDERENABLED, MSG_GETDEFAULT), 0u);
    EXPECT_EQ(Item(CAP_FEEDERENABLED, MSG_GETCURRENT), 1u);
    EXPECT_EQ(Item(CAP_AUTOFEED), 1u);
    EXPECT_EQ(Item(CAP_AUTOFEED, MSG_GETCURRENT), 1u);
    EXPECT_EQ(Item(CAP_AUTOFEED, MSG_GETDEFAULT), 0u);
    EXPECT_EQ(Item(CAP_PAPERDETECTABLE), 1u);

    EXPECT_EQ(Served(SetWith(CAP_AUTOFEED, TWTY_BOOL, 0)), TWCC_SUCCESS);
    EXPECT_EQ(settings.DocumentSource(), kSourceFlatbed);
    EXPECT_EQ(settings.FeederSelected(), 0);
    EXPECT_EQ(Item(CAP_AUTOFEED, MSG_GETCURRENT), 0u);
    EXPECT_EQ(Refusal(SetWith(CAP_AUTOFEED, TWTY_UINT16, 1)), TWCC_BADVALUE);

    settings.SetFeederSupport(kFeederAbsent);
    EXPECT_EQ(Refusal(SetWith(CAP_FEEDERENABLED, TWTY_BOOL, 1)), TWCC_BADVALUE);
    EXPECT_EQ(Refusal(SetWith(CAP_AUTOFEED, TWTY_BOOL, 1)), TWCC_BADVALUE);
    EXPECT_EQ(settings.DocumentSource(), kSourceFlatbed);

    settings.SetFeederSupport(5);
    settings.SetDocumentSource(kSourceFeeder);
    settings.SetFlatbedSupport(kFlatbedAbsent);
    EXPECT_EQ(Refusal(SetWith(CAP_FEEDERENABLED, TWTY_BOOL, 0)), TWCC_BADVALUE);
    // Reset selects the flatbed only when there is one, and is served either way.
    EXPECT_EQ(Served(Ask(CAP_AUTOFEED, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.DocumentSource(), kSourceFeeder);
    settings.SetFlatbedSupport(2);
    EXPECT_EQ(Served(Ask(CAP_AUTOFEED, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.DocumentSource(), kSourceFlatbed);
    EXPECT_EQ(Refusal(Ask(CAP_FEEDERENABLED, MSG_RESET)), TWCC_CAPBADOPERATION);
}

TEST_F(CapabilityHandlers, DeviceStateFlags) {
    EXPECT_EQ(Item(CAP_DEVICEONLINE), 1u);
    settings.SetDocumentSource(kSourceNone);
    EXPECT_EQ(Item(CAP_DEVICEONLINE, MSG_GETDEFAULT), 0u);

    settings.SetDocumentSource(kSourceFeeder);
    EXPECT_EQ(Item(CAP_FEEDERLOADED), 0u);
    settings.SetPaperLoaded(1);
    EXPECT_EQ(Item(CAP_FEEDERLOADED, MSG_GETCURRENT), 1u);
    settings.SetDocumentSource(kSourceFlatbed);
    EXPECT_EQ(Item(CAP_FEEDERLOADED), 0u);
    EXPECT_EQ(Refusal(Ask(CAP_FEEDERLOADED, MSG_GETDEFAULT)), TWCC_CAPBADOPERATION);

    EXPECT_EQ(Item(CAP_UICONTROLLABLE), 1u);
    EXPECT_EQ(Item(CAP_FEEDERALIGNMENT), 1u);
    EXPECT_EQ(Item(CAP_ENABLEDSUIONLY), 0u);
    EXPECT_EQ(Item(ICAP_TILES), 0u);
    EXPECT_EQ(Item(CAP_DUPLEX), 0u);
    EXPECT_EQ(Item(ICAP_COMPRESSION), 0u);
    EXPECT_EQ(Item(CAP_FEEDERORDER), 1u);
    EXPECT_EQ(Item(ICAP_BITORDER), 1u);
    EXPECT_EQ(Item(ICAP_PLANARCHUNKY), TWPC_CHUNKY);
}

TEST_F(CapabilityHandlers, IndicatorsFollowTheDialogAndCannotBeReset) {
    EXPECT_EQ(Item(CAP_INDICATORS), 1u);
    EXPECT_EQ(Item(CAP_INDICATORS, MSG_GETDEFAULT), 0u);
    EXPECT_EQ(Item(CAP_INDICATORS, MSG_GETCURRENT), 1u);
    TW_USERINTERFACE request{};
    request.ShowUI = 1;
    ASSERT_EQ(source.Entry(&app, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &request),
              TWRC_SUCCESS);
    EXPECT_EQ(Served(SetWith(CAP_INDICATORS, TWTY_BOOL, 1)), TWCC_SUCCESS);
    EXPECT_EQ(Item(CAP_INDICATORS, MSG_GETCURRENT), 0u);  // the dialog is shown
    settings.SetShowUI(0);
    EXPECT_EQ(Served(SetWith(CAP_INDICATORS, TWTY_BOOL, 0)), TWCC_SUCCESS);
    EXPECT_EQ(Item(CAP_INDICATORS, MSG_GETCURRENT), 0u);
    // Advertised with TWQC_RESET, yet refused, and nothing changes.
    EXPECT_EQ(Refusal(Ask(CAP_INDICATORS, MSG_RESET)), TWCC_CAPBADOPERATION);
    EXPECT_EQ(settings.Indicators(), 0);
}

TEST_F(CapabilityHandlers, PixelFlavorStoresAnyValueAlthoughNotAdvertised) {
    EXPECT_EQ(Served(SetWith(ICAP_PIXELFLAVOR, TWTY_UINT16, 7)), TWCC_SUCCESS);
    EXPECT_EQ(Item(ICAP_PIXELFLAVOR), 7u);
    EXPECT_EQ(Item(ICAP_PIXELFLAVOR, MSG_GETDEFAULT), 0u);
    EXPECT_EQ(Served(Ask(ICAP_PIXELFLAVOR, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.PixelFlavor(), 0);
}

TEST_F(CapabilityHandlers, ImageFileFormatReportsPositionsAndIgnoresSets) {
    test::Container c = Get(ICAP_IMAGEFILEFORMAT);
    EXPECT_EQ(c.items, (Items{0, 2, 4, 6}));
    EXPECT_EQ(c.currentIndex, 1u);
    EXPECT_EQ(c.defaultIndex, 1u);
    EXPECT_EQ(Served(SetWith(ICAP_IMAGEFILEFORMAT, TWTY_UINT16, TWFF_JFIF)), TWCC_SUCCESS);
    EXPECT_EQ(settings.ImageFileFormat(), TWFF_BMP);

    // PICT and XBM are accepted by the file transfer set-up but not offered:
    // they report the default's position.
    const std::pair<TW_UINT16, TW_UINT32> positions[] = {
        {TWFF_TIFF, 0}, {TWFF_BMP, 1}, {TWFF_PICT, 1}, {TWFF_XBM, 1}};
    for (const auto& [format, position] : positions) {
        settings.SetImageFileFormat(format);
        ASSERT_EQ(settings.ImageFileFormat(), format);
        for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT}) {
            c = Get(ICAP_IMAGEFILEFORMAT, msg);
            EXPECT_EQ(c.currentIndex, position) << format;
            EXPECT_EQ(c.defaultIndex, 1u);
        }
    }
    EXPECT_EQ(Served(Ask(ICAP_IMAGEFILEFORMAT, MSG_RESET)), TWCC_SUCCESS);
    EXPECT_EQ(settings.ImageFileFormat(), TWFF_XBM);
}

TEST_F(CapabilityHandlers, AcceptAnythingLeavesTheContainerAsPassed) {
    const GlobalHandle mine = memory.Allocate(6);
    for (TW_UINT16 cap : {ICAP_LAMPSTATE, CAP_EXTENDEDCAPS}) {
        for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_RESET}) {
            const Answer answer = Send(msg, TW_CAPABILITY{cap, TWON_ONEVALUE, mine});
            EXPECT_EQ(answer.rc, TWRC_SUCCESS);
            EXPECT_EQ(answer.handle, mine);
            EXPECT_EQ(answer.conType, TWON_ONEVALUE);
        }
    }
    memory.Free(mine);
}

TEST_F(CapabilityHandlers, UnreadableSetContainersAreRefused) {
    const GlobalHandle unknown = reinterpret_cast<GlobalHandle>(0x40);
    for (GlobalHandle handle : {GlobalHandle{nullptr}, unknown}) {
        const Answer answer = Send(MSG_SET, TW_CAPABILITY{ICAP_GAMMA, TWON_ONEVALUE, handle});
        EXPECT_EQ(Refusal(answer), TWCC_BADVALUE);
        EXPECT_EQ(answer.handle, handle);
        EXPECT_EQ(Refusal(Send(MSG_SET, TW_CAPABILITY{ICAP_BITDEPTH, TWON_ONEVALUE, handle})),
                  TWCC_BADVALUE);
    }
    // Too small for the item its type declares; a 16-bit item fits in four bytes.
    EXPECT_EQ(Refusal(SetWith(ICAP_GAMMA, TWTY_FIX32, BitsOf({3, 0}), TWON_ONEVALUE, 4)),
              TWCC_BADVALUE);
    EXPECT_EQ(Refusal(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_BW, TWON_ONEVALUE, 3)),
              TWCC_BADVALUE);
    EXPECT_EQ(Refusal(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_BW, TWON_ONEVALUE, 1)),
              TWCC_BADVALUE);
    EXPECT_EQ(BitsOf(settings.Gamma()), BitsOf({1, 0}));
    EXPECT_EQ(settings.PixelType(), TWPT_GRAY);
    EXPECT_EQ(Served(SetWith(ICAP_PIXELTYPE, TWTY_UINT16, TWPT_BW, TWON_ONEVALUE, 4)),
              TWCC_SUCCESS);
    EXPECT_EQ(settings.PixelType(), TWPT_BW);

    EXPECT_EQ(source.Entry(&app, DG_CONTROL, DAT_CAPABILITY, MSG_GET, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
}

TEST_F(CapabilityHandlers, AnswersNeverFreeWhatTheApplicationPassed) {
    const GlobalHandle mine = memory.Allocate(6);
    const Answer answer = Send(MSG_GET, TW_CAPABILITY{ICAP_UNITS, TWON_ONEVALUE, mine});
    EXPECT_NE(answer.handle, mine);
    EXPECT_EQ(memory.Size(mine), 6u);
    EXPECT_EQ(Take(answer).conType, TWON_ENUMERATION);
    memory.Free(mine);
}

}  // namespace
}  // namespace z8
