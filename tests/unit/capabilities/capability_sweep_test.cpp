// Every capability, every message, every state: the container type and item
// type of each answer, or its condition code, as the negotiation rules lay
// them out. The table is written out by hand, row by row, from those rules.
#include <gtest/gtest.h>

#include "tests/unit/capabilities/capability_client.h"

namespace z8 {
namespace {

using test::Answer;
using test::BitsOf;
using test::FixOf;

struct Expect {
    TW_UINT16 conType;  // 0: no container of the source's (success, request untouched)
    TW_UINT16 itemType;
    TW_UINT16 cc;  // TWCC_SUCCESS or the refusal
};

constexpr Expect OneValue(TW_UINT16 type) {
    return {TWON_ONEVALUE, type, TWCC_SUCCESS};
}
constexpr Expect Range(TW_UINT16 type) {
    return {TWON_RANGE, type, TWCC_SUCCESS};
}
constexpr Expect Enum(TW_UINT16 type) {
    return {TWON_ENUMERATION, type, TWCC_SUCCESS};
}
constexpr Expect Array(TW_UINT16 type) {
    return {TWON_ARRAY, type, TWCC_SUCCESS};
}
constexpr Expect kOk{0, 0, TWCC_SUCCESS};
constexpr Expect kCBO{0, 0, TWCC_CAPBADOPERATION};
constexpr Expect kBV{0, 0, TWCC_BADVALUE};

constexpr TW_UINT16 kBool = TWTY_BOOL;
constexpr TW_UINT16 kU16 = TWTY_UINT16;
constexpr TW_UINT16 kI16 = TWTY_INT16;
constexpr TW_UINT16 kFix = TWTY_FIX32;

struct Row {
    const char* name;
    TW_UINT16 cap;
    TW_INT32 support;
    Expect get, current, byDefault;
    TW_UINT16 setType;  // the item type the capability takes
    Expect set;         // a one-value of setType
    Expect setOther;    // a one-value of TWTY_UINT32, which no capability takes
    Expect setEnum;     // an enumeration container
    Expect reset;
};

// clang-format off
const Row kRows[] = {
    //  name                  id                    mask  G               GC              GD              set type  set   other enum  reset
    {"CAP_DEVICEONLINE",      CAP_DEVICEONLINE,      13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
    {"CAP_ENABLEDSUIONLY",    CAP_ENABLEDSUIONLY,    13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
    {"CAP_INDICATORS",        CAP_INDICATORS,        31, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kOk,  kBV,  kBV,  kCBO},
    {"CAP_SUPPORTEDCAPS",     CAP_SUPPORTEDCAPS,     13, Array(kU16),     Array(kU16),     Array(kU16),     kU16,  kCBO, kCBO, kCBO, kCBO},
    {"CAP_EXTENDEDCAPS",      CAP_EXTENDEDCAPS,       2, kOk,             kOk,             kOk,             kU16,  kOk,  kOk,  kOk,  kOk},
    {"CAP_UICONTROLLABLE",    CAP_UICONTROLLABLE,    13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
    {"CAP_XFERCOUNT",         CAP_XFERCOUNT,         31, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kI16,  kOk,  kBV,  kBV,  kOk},
    {"CAP_AUTOFEED",          CAP_AUTOFEED,          31, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kOk,  kBV,  kBV,  kOk},
    {"CAP_FEEDERALIGNMENT",   CAP_FEEDERALIGNMENT,   13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
    {"CAP_DUPLEX",            CAP_DUPLEX,            13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kCBO, kCBO, kCBO, kCBO},
    {"CAP_FEEDERENABLED",     CAP_FEEDERENABLED,     13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kOk,  kBV,  kBV,  kCBO},
    {"CAP_FEEDERLOADED",      CAP_FEEDERLOADED,       8, OneValue(kBool), OneValue(kBool), kCBO,            kBool, kCBO, kCBO, kCBO, kCBO},
    {"CAP_FEEDERORDER",       CAP_FEEDERORDER,       13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kCBO, kCBO, kCBO, kCBO},
    {"CAP_PAPERDETECTABLE",   CAP_PAPERDETECTABLE,   13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
    {"ICAP_BITDEPTH",         ICAP_BITDEPTH,         31, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kBV,  kOk,  kOk},
    {"ICAP_BITORDER",         ICAP_BITORDER,         13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kCBO, kCBO, kCBO, kCBO},
    {"ICAP_COMPRESSION",      ICAP_COMPRESSION,      13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kCBO, kCBO, kCBO, kCBO},
    {"ICAP_PIXELFLAVOR",      ICAP_PIXELFLAVOR,      13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_PIXELTYPE",        ICAP_PIXELTYPE,        31, Enum(kU16),      OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kBV,  kOk,  kOk},
    {"ICAP_PHYSICALHEIGHT",   ICAP_PHYSICALHEIGHT,   13, OneValue(kFix),  OneValue(kFix),  OneValue(kFix),  kFix,  kCBO, kCBO, kCBO, kCBO},
    {"ICAP_PHYSICALWIDTH",    ICAP_PHYSICALWIDTH,    13, OneValue(kFix),  OneValue(kFix),  OneValue(kFix),  kFix,  kCBO, kCBO, kCBO, kCBO},
    {"ICAP_PLANARCHUNKY",     ICAP_PLANARCHUNKY,     13, OneValue(kU16),  OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kOk,  kOk,  kOk},
    {"ICAP_UNITS",            ICAP_UNITS,            31, Enum(kU16),      OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kBV,  kOk,  kOk},
    {"ICAP_XFERMECH",         ICAP_XFERMECH,         31, Enum(kU16),      OneValue(kU16),  OneValue(kU16),  kU16,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_XRESOLUTION",      ICAP_XRESOLUTION,      31, Enum(kFix),      OneValue(kFix),  OneValue(kFix),  kFix,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_YRESOLUTION",      ICAP_YRESOLUTION,      31, Enum(kFix),      OneValue(kFix),  OneValue(kFix),  kFix,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_BRIGHTNESS",       ICAP_BRIGHTNESS,       31, Range(kFix),     Range(kFix),     Range(kFix),     kFix,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_CONTRAST",         ICAP_CONTRAST,         31, Range(kFix),     Range(kFix),     Range(kFix),     kFix,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_GAMMA",            ICAP_GAMMA,            31, Range(kFix),     Range(kFix),     Range(kFix),     kFix,  kOk,  kBV,  kBV,  kOk},
    {"ICAP_LAMPSTATE",        ICAP_LAMPSTATE,         9, kOk,             kOk,             kOk,             kBool, kOk,  kOk,  kOk,  kOk},
    {"ICAP_IMAGEFILEFORMAT",  ICAP_IMAGEFILEFORMAT,  13, Enum(kU16),      Enum(kU16),      Enum(kU16),      kU16,  kOk,  kOk,  kOk,  kOk},
    {"ICAP_TILES",            ICAP_TILES,            13, OneValue(kBool), OneValue(kBool), OneValue(kBool), kBool, kCBO, kCBO, kCBO, kCBO},
};
// clang-format on
static_assert(std::size(kRows) == 32);

// A value each capability accepts for the sweep's MSG_SET.
TW_UINT32 SampleItem(TW_UINT16 type) {
    return type == TWTY_FIX32 ? BitsOf(TW_FIX32{100, 0}) : 1;
}

class CapabilitySweep : public test::CapabilityClient {
protected:
    void Check(const Row& row, const char* message, const Answer& answer, const Expect& want,
               const TW_CAPABILITY& sent) {
        SCOPED_TRACE(std::string(row.name) + " " + message);
        if (want.cc != TWCC_SUCCESS) {
            EXPECT_EQ(answer.rc, TWRC_FAILURE);
            EXPECT_EQ(answer.cc, want.cc);
            EXPECT_EQ(answer.handle, GlobalHandle{sent.hContainer});
            return;
        }
        ASSERT_EQ(answer.rc, TWRC_SUCCESS) << "cc " << answer.cc;
        if (want.conType == 0) {
            EXPECT_EQ(answer.conType, sent.ConType);
            EXPECT_EQ(answer.handle, GlobalHandle{sent.hContainer});
            return;
        }
        const test::Container c = Take(answer);
        EXPECT_EQ(c.conType, want.conType);
        EXPECT_EQ(c.itemType, want.itemType);
    }

    void SweepRow(const Row& row) {
        const TW_CAPABILITY none{row.cap, TWON_DONTCARE16, nullptr};
        Check(row, "MSG_GET", Ask(row.cap, MSG_GET), row.get, none);
        Check(row, "MSG_GETCURRENT", Ask(row.cap, MSG_GETCURRENT), row.current, none);
        Check(row, "MSG_GETDEFAULT", Ask(row.cap, MSG_GETDEFAULT), row.byDefault, none);

        const Answer support = Ask(row.cap, MSG_QUERYSUPPORT);
        Check(row, "MSG_QUERYSUPPORT", support, OneValue(TWTY_INT32), none);
        if (support.rc == TWRC_SUCCESS) {
            // Take freed the block already; ask again for the value.
            const test::Container c = Get(row.cap, MSG_QUERYSUPPORT);
            EXPECT_EQ(c.item, static_cast<TW_UINT32>(row.support)) << row.name;
        }

        for (TW_UINT16 msg : {MSG_GETFIRST, MSG_GETNEXT, TW_UINT16{0x0009}, MSG_OPENDS}) {
            Check(row, "other message", Ask(row.cap, msg), kCBO, none);
        }

        // SetWith checks that the application's container stays in place.
        const Answer set = SetWith(row.cap, row.setType, SampleItem(row.setType));
        Check(row, "MSG_SET", set, row.set, set.request);
        const Answer other = SetWith(row.cap, TWTY_UINT32, 1);
        Check(row, "MSG_SET of TWTY_UINT32", other, row.setOther, other.request);
        const Answer asEnum = SetWith(row.cap, row.setType, 1, TWON_ENUMERATION);
        Check(row, "MSG_SET of an enumeration", asEnum, row.setEnum, asEnum.request);
        const Answer dontCare = SetWith(row.cap, row.setType, 1, TWON_DONTCARE16);
        Check(row, "MSG_SET of no container type", dontCare, kBV, dontCare.request);

        Check(row, "MSG_RESET", Ask(row.cap, MSG_RESET), row.reset, none);
    }
};

TEST_F(CapabilitySweep, EveryCapabilityAndMessageInEveryState) {
    for (int state : {4, 5, 6, 7, 3}) {
        SCOPED_TRACE("state " + std::to_string(state));
        if (state == 3) {
            source.state.sourceState = 4;
            ASSERT_EQ(source.Entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr),
                      TWRC_SUCCESS);
        }
        source.state.sourceState = state;
        for (const Row& row : kRows)
            SweepRow(row);
        EXPECT_EQ(source.state.sourceState, state);
    }
}

TEST_F(CapabilitySweep, AllocationFailureIsLowMemoryForEveryMessageThatBuilds) {
    memory.SetAllocationLimit(0);
    for (const Row& row : kRows) {
        const std::pair<TW_UINT16, Expect> cases[] = {{MSG_GET, row.get},
                                                      {MSG_GETCURRENT, row.current},
                                                      {MSG_GETDEFAULT, row.byDefault},
                                                      {MSG_QUERYSUPPORT, OneValue(TWTY_INT32)}};
        for (const auto& [msg, want] : cases) {
            SCOPED_TRACE(std::string(row.name) + " message " + std::to_string(msg));
            // The application's stale handle is replaced by null, never freed.
            const GlobalHandle stale = reinterpret_cast<GlobalHandle>(0x40);
            const Answer answer = Send(msg, TW_CAPABILITY{row.cap, TWON_DONTCARE16, stale});
            if (want.conType != 0) {
                EXPECT_EQ(answer.rc, TWRC_FAILURE);
                EXPECT_EQ(answer.cc, TWCC_LOWMEMORY);
                EXPECT_EQ(answer.handle, nullptr);
                EXPECT_EQ(answer.conType, TWON_DONTCARE16);
            } else {
                EXPECT_EQ(answer.cc, want.cc);
                EXPECT_EQ(answer.handle, stale);
            }
        }
    }
}

TEST_F(CapabilitySweep, UnsupportedCapabilitiesFollowTheMessageRules) {
    for (TW_UINT16 cap :
         {ICAP_ORIENTATION, CAP_AUTHOR, ICAP_FRAMES, TW_UINT16{0}, TW_UINT16{0xFFFF}}) {
        SCOPED_TRACE(cap);
        for (TW_UINT16 msg :
             {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_RESET, MSG_QUERYSUPPORT}) {
            const Answer answer = Ask(cap, msg);
            EXPECT_EQ(answer.rc, TWRC_FAILURE);
            EXPECT_EQ(answer.cc, TWCC_CAPUNSUPPORTED);
            EXPECT_EQ(answer.handle, nullptr);
        }
        EXPECT_EQ(SetWith(cap, TWTY_UINT16, 1).cc, TWCC_CAPUNSUPPORTED);
        // The container type is judged before the lookup, the message before both.
        EXPECT_EQ(SetWith(cap, TWTY_UINT16, 1, TWON_DONTCARE16).cc, TWCC_BADVALUE);
        EXPECT_EQ(SetWith(cap, TWTY_UINT16, 1, 7).cc, TWCC_BADVALUE);
        EXPECT_EQ(Ask(cap, MSG_GETFIRST).cc, TWCC_CAPBADOPERATION);
        EXPECT_EQ(Ask(cap, MSG_GETNEXT).cc, TWCC_CAPBADOPERATION);
    }
}

}  // namespace
}  // namespace z8
