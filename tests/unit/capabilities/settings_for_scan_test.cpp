// Negotiations that a scan follows: the units, resolutions, pixel type and bit
// depth they leave must describe the page the scanner will be asked for.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/unit/capabilities/capability_client.h"

namespace z8 {
namespace {

using test::BitsOf;
using test::FixOf;

struct Step {
    TW_UINT16 msg;
    TW_UINT16 cap;
    TW_UINT16 itemType;
    TW_UINT32 item;
    TW_UINT16 cc;  // the answer wanted
};

Step Set(TW_UINT16 cap, TW_UINT16 value) {
    return {MSG_SET, cap, TWTY_UINT16, value, TWCC_SUCCESS};
}
Step SetFix(TW_UINT16 cap, TW_FIX32 value, TW_UINT16 cc = TWCC_SUCCESS) {
    return {MSG_SET, cap, TWTY_FIX32, BitsOf(value), cc};
}
Step Reset(TW_UINT16 cap) {
    return {MSG_RESET, cap, 0, 0, TWCC_SUCCESS};
}

enum class Read { Units, RulerUnit, PixelType, BitDepth, XDpi, YDpi, Right, Bottom, BedWidth };

struct Reading {
    Read what;
    double value;
    double tolerance;
};

const char* const kReadNames[] = {"units", "ruler unit",  "pixel type",   "bit depth", "x dpi",
                                  "y dpi", "frame right", "frame bottom", "bed width"};

struct Case {
    std::string name;
    std::vector<Step> steps;
    std::vector<Reading> readings;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

std::vector<Case> Cases() {
    const TW_FIX32 kBelowOne{0, 32768};
    std::vector<Case> cases = {
        {"units reset from centimetres",
         {Set(ICAP_UNITS, TWUN_CENTIMETERS), Reset(ICAP_UNITS)},
         {{Read::Units, TWUN_INCHES, 0},
          {Read::RulerUnit, 1, 0},
          {Read::Right, 8.27, 1e-4},
          {Read::Bottom, 11.7, 1e-4},
          {Read::BedWidth, 8.27, 1e-4}}},
        {"units reset from pixels at 300 dpi",
         {SetFix(ICAP_XRESOLUTION, {300, 0}), SetFix(ICAP_YRESOLUTION, {300, 0}),
          Set(ICAP_UNITS, TWUN_PIXELS), Reset(ICAP_UNITS)},
         {{Read::Units, TWUN_INCHES, 0},
          {Read::Right, 8.27, 1e-4},
          {Read::Bottom, 11.7, 1e-4},
          {Read::BedWidth, 8.27, 1e-4}}},
        {"between two centimetre entries",
         {Set(ICAP_UNITS, TWUN_CENTIMETERS), SetFix(ICAP_XRESOLUTION, {100, 0})},
         {{Read::XDpi, 254, 1e-4}}},
        {"pixel type reset after black and white",
         {Set(ICAP_PIXELTYPE, TWPT_BW), Reset(ICAP_PIXELTYPE)},
         {{Read::PixelType, TWPT_GRAY, 0}, {Read::BitDepth, 8, 0}}},
        {"pixel type reset after colour",
         {Set(ICAP_PIXELTYPE, TWPT_RGB), Reset(ICAP_PIXELTYPE)},
         {{Read::PixelType, TWPT_GRAY, 0}, {Read::BitDepth, 8, 0}}},
        {"0 dpi",
         {SetFix(ICAP_XRESOLUTION, {300, 0}), SetFix(ICAP_XRESOLUTION, {0, 0}, TWCC_BADVALUE)},
         {{Read::XDpi, 300, 0}}},
        {"negative dpi",
         {SetFix(ICAP_YRESOLUTION, {-300, 0}, TWCC_BADVALUE)},
         {{Read::YDpi, 80, 0}}},
        {"half a dot per inch",
         {SetFix(ICAP_XRESOLUTION, kBelowOne, TWCC_BADVALUE)},
         {{Read::XDpi, 80, 0}}},
        {"1 dpi", {SetFix(ICAP_XRESOLUTION, {1, 0})}, {{Read::XDpi, 1, 0}}},
        {"0.3 per centimetre",
         {Set(ICAP_UNITS, TWUN_CENTIMETERS),
          SetFix(ICAP_YRESOLUTION, FloatToFix32(0.3f), TWCC_BADVALUE)},
         {{Read::YDpi, 80, 0}}},
    };
    // Each entry of the centimetre list, set in centimetres, is its whole dpi.
    const std::pair<TW_FIX32, double> entries[] = {
        {{31, 32509}, 80},   {{39, 24253}, 100},   {{59, 3612}, 150},
        {{78, 48506}, 200},  {{118, 7224}, 300},   {{157, 31477}, 400},
        {{236, 14448}, 600}, {{472, 28897}, 1200}, {{944, 57795}, 2400}};
    for (const auto& [entry, dpi] : entries) {
        cases.push_back({"centimetre entry for " + std::to_string(static_cast<int>(dpi)),
                         {Set(ICAP_UNITS, TWUN_CENTIMETERS), SetFix(ICAP_XRESOLUTION, entry),
                          SetFix(ICAP_YRESOLUTION, entry)},
                         {{Read::XDpi, dpi, 0}, {Read::YDpi, dpi, 0}}});
    }
    return cases;
}

double Real(TW_FIX32 value) {
    return value.Whole + value.Frac / 65536.0;
}

class SettingsForScan : public test::CapabilityClient, public ::testing::WithParamInterface<Case> {
protected:
    double ReadValue(Read what) {
        const CScanSettings& s = rig.session.Settings();
        switch (what) {
            case Read::Units:
                return Get(ICAP_UNITS, MSG_GETCURRENT).item;
            case Read::RulerUnit:
                return s.RulerUnit();
            case Read::PixelType:
                return Get(ICAP_PIXELTYPE, MSG_GETCURRENT).item;
            case Read::BitDepth:
                return Get(ICAP_BITDEPTH, MSG_GETCURRENT).item;
            case Read::XDpi:
                return Real(s.XResolution());
            case Read::YDpi:
                return Real(s.YResolution());
            case Read::Right:
                return Real(s.GetLayout().Frame.Right);
            case Read::Bottom:
                return Real(s.GetLayout().Frame.Bottom);
            case Read::BedWidth:
                return Real(FixOf(Get(ICAP_PHYSICALWIDTH, MSG_GETCURRENT).item));
        }
        return 0;
    }
};

TEST_P(SettingsForScan, SequenceLeavesSettingsTheScanCanUse) {
    rig.session.Settings().SetRulerUnit(0);  // an English-speaking user's
    for (const Step& step : GetParam().steps) {
        const test::Answer answer = step.msg == MSG_SET
                                        ? SetWith(step.cap, step.itemType, step.item)
                                        : Ask(step.cap, step.msg);
        EXPECT_EQ(answer.cc, step.cc) << "message " << step.msg << " on " << step.cap;
    }
    for (const Reading& r : GetParam().readings)
        EXPECT_NEAR(ReadValue(r.what), r.value, r.tolerance)
            << kReadNames[static_cast<int>(r.what)];
}

INSTANTIATE_TEST_SUITE_P(Negotiations, SettingsForScan, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name;
                             for (char ch : info.param.name)
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

}  // namespace
}  // namespace z8
