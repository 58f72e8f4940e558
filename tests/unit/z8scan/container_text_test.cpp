#include "tools/z8scan/container_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/z8scan/capability_names.h"

namespace z8scan {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

Bytes OneValue(TW_UINT16 type, uint32_t item) {
    Bytes b;
    Put16(b, type);
    Put32(b, item);
    return b;
}

TEST(ContainerText, OneValuesByItemType) {
    EXPECT_EQ(
        DescribeContainer(MSG_GET, CAP_XFERCOUNT, TWON_ONEVALUE, OneValue(TWTY_UINT16, 65535)),
        "TW_ONEVALUE TWTY_UINT16 65535");
    EXPECT_EQ(
        DescribeContainer(MSG_GET, CAP_XFERCOUNT, TWON_ONEVALUE, OneValue(TWTY_INT16, 0xFFFF)),
        "TW_ONEVALUE TWTY_INT16 -1");
    EXPECT_EQ(
        DescribeContainer(MSG_GET, CAP_INDICATORS, TWON_ONEVALUE, OneValue(TWTY_BOOL, 0xABCD0001)),
        "TW_ONEVALUE TWTY_BOOL TRUE");
    // Fixed point: Whole in the low half, four decimals, five where four
    // would round to another whole part.
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 300), "300");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 0x7EFD001F), "31.496");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 6554u << 16), "0.1");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 0x0001FF9C), "-100");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 0x8000FFFE), "-1.5");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 0xFFFE012B), "299.99997");
    EXPECT_EQ(ItemText(0, TWTY_FIX32, 0xFFFFFFFB), "-4.00002");
    EXPECT_EQ(ItemText(0, TWTY_INT8, 0xFF), "-1");
    EXPECT_EQ(ItemText(0, TWTY_BOOL, 0), "FALSE");
    EXPECT_EQ(ItemText(0, TWTY_BOOL, 2), "TRUE (2)");
    EXPECT_EQ(ItemText(0, TWTY_UINT32, 4000000000u), "4000000000");
}

TEST(ContainerText, QuerySupportNamesTheOperations) {
    EXPECT_EQ(
        DescribeContainer(MSG_QUERYSUPPORT, ICAP_LAMPSTATE, TWON_ONEVALUE, OneValue(TWTY_INT32, 9)),
        "TW_ONEVALUE TWTY_INT32 9 (GET GETCURRENT)");
    EXPECT_EQ(
        DescribeContainer(MSG_QUERYSUPPORT, ICAP_UNITS, TWON_ONEVALUE, OneValue(TWTY_INT32, 31)),
        "TW_ONEVALUE TWTY_INT32 31 (GET SET GETDEFAULT GETCURRENT RESET)");
    EXPECT_EQ(DescribeContainer(MSG_GET, ICAP_UNITS, TWON_ONEVALUE, OneValue(TWTY_INT32, 31)),
              "TW_ONEVALUE TWTY_INT32 31");
}

TEST(ContainerText, EnumerationsShowTheItemsAtTheirIndexes) {
    Bytes b;
    Put16(b, TWTY_UINT16);
    Put32(b, 4);
    Put32(b, 3);
    Put32(b, 1);
    for (unsigned v : {0, 1, 3, 2})
        Put16(b, v);
    b.push_back(0);
    EXPECT_EQ(
        DescribeContainer(MSG_GET, ICAP_PIXELTYPE, TWON_ENUMERATION, b),
        "TW_ENUMERATION TWTY_UINT16 4 items [0, 1, 3, 2] CurrentIndex 3 (2) DefaultIndex 1 (1)");
    b[6] = 9;  // CurrentIndex past the list
    EXPECT_EQ(DescribeContainer(MSG_GET, ICAP_PIXELTYPE, TWON_ENUMERATION, b),
              "TW_ENUMERATION TWTY_UINT16 4 items [0, 1, 3, 2] CurrentIndex 9 (no such item) "
              "DefaultIndex 1 (1)");
}

TEST(ContainerText, RangesAndArrays) {
    Bytes r;
    Put16(r, TWTY_FIX32);
    for (uint32_t v : {1u, 5u, 6554u << 16, 1u, 2u | 32768u << 16})
        Put32(r, v);
    EXPECT_EQ(DescribeContainer(MSG_GETCURRENT, ICAP_GAMMA, TWON_RANGE, r),
              "TW_RANGE TWTY_FIX32 min 1 max 5 step 0.1 default 1 current 2.5");

    Bytes a;
    Put16(a, TWTY_UINT16);
    Put32(a, 3);
    for (unsigned v : {0x100F, 0x0001, 0x8001})
        Put16(a, v);
    a.push_back(0);
    EXPECT_EQ(DescribeContainer(MSG_GET, CAP_SUPPORTEDCAPS, TWON_ARRAY, a),
              "TW_ARRAY TWTY_UINT16 3 items [CAP_DEVICEONLINE, CAP_XFERCOUNT, 0x8001]");
    EXPECT_EQ(ArrayItems(TWON_ARRAY, a), (std::vector<TW_UINT16>{0x100F, 0x0001, 0x8001}));
    EXPECT_TRUE(ArrayItems(TWON_ENUMERATION, a).empty());
}

TEST(ContainerText, ShortOrStrangeBlocksAreSaidNotRead) {
    EXPECT_EQ(DescribeContainer(MSG_GET, 1, TWON_ONEVALUE, Bytes{4, 0, 1}),
              "TW_ONEVALUE, block of 3 bytes is too short");
    EXPECT_EQ(DescribeContainer(MSG_GET, 1, TWON_RANGE, OneValue(TWTY_FIX32, 0)),
              "TW_RANGE, block of 6 bytes is too short");
    EXPECT_EQ(DescribeContainer(MSG_GET, 1, 0xFFFF, Bytes(8)),
              "container type 65535, block of 8 bytes");
    // An array that claims far more items than its block holds.
    Bytes a;
    Put16(a, TWTY_UINT16);
    Put32(a, 0xFFFFFFFF);
    Put16(a, 7);
    Put16(a, 8);
    EXPECT_EQ(DescribeContainer(MSG_GET, 1, TWON_ARRAY, a),
              "TW_ARRAY TWTY_UINT16 4294967295 items [7, 8] (only 2 in the block)");
    EXPECT_EQ(ArrayItems(TWON_ARRAY, a), (std::vector<TW_UINT16>{7, 8}));
    Bytes e;
    Put16(e, TWTY_FRAME);
    Put32(e, 2);
    Put32(e, 0xFFFFFFFF);
    Put32(e, 0);
    EXPECT_EQ(
        DescribeContainer(MSG_GET, 1, TWON_ENUMERATION, e),
        "TW_ENUMERATION TWTY_FRAME 2 items (not shown) CurrentIndex 4294967295 (no such item) "
        "DefaultIndex 0 (no such item)");
}

TEST(ContainerText, StepLabelsAndRefusals) {
    EXPECT_EQ(StepLabel(MSG_SET, CAP_XFERCOUNT, TWTY_INT16, 0xFFFF),
              "MSG_SET CAP_XFERCOUNT TWTY_INT16 -1");
    EXPECT_EQ(StepLabel(MSG_GETDEFAULT, 0x1234, 0, 0), "MSG_GETDEFAULT 0x1234");
    EXPECT_EQ(RefusalText(TWRC_FAILURE, TWCC_BADVALUE), "refused, rc 1 cc 10 TWCC_BADVALUE");
    EXPECT_EQ(RefusalText(TWRC_FAILURE, 99), "refused, rc 1 cc 99");
}

TEST(ContainerText, ItemsParsedForTheirType) {
    TW_UINT32 item = 0;
    EXPECT_TRUE(ParseItem(TWTY_INT16, "-1", item));
    EXPECT_EQ(item, 0xFFFFu);
    EXPECT_FALSE(ParseItem(TWTY_INT16, "32768", item));
    EXPECT_TRUE(ParseItem(TWTY_UINT16, "65535", item));
    EXPECT_EQ(item, 65535u);
    EXPECT_TRUE(ParseItem(TWTY_UINT16, "0x1118", item));
    EXPECT_EQ(item, 0x1118u);
    EXPECT_FALSE(ParseItem(TWTY_UINT16, "-1", item));
    EXPECT_FALSE(ParseItem(TWTY_UINT8, "256", item));
    EXPECT_TRUE(ParseItem(TWTY_INT8, "-128", item));
    EXPECT_EQ(item, 0x80u);
    EXPECT_TRUE(ParseItem(TWTY_BOOL, "true", item));
    EXPECT_EQ(item, 1u);
    EXPECT_TRUE(ParseItem(TWTY_BOOL, "0", item));
    EXPECT_EQ(item, 0u);
    EXPECT_FALSE(ParseItem(TWTY_BOOL, "yes", item));
    EXPECT_TRUE(ParseItem(TWTY_FIX32, "300.0", item));
    EXPECT_EQ(item, 300u);
    EXPECT_TRUE(ParseItem(TWTY_FIX32, "-100", item));
    EXPECT_EQ(item, 0x0001FF9Cu);  // -100 with the half added: Frac 1
    EXPECT_TRUE(ParseItem(TWTY_FIX32, "7.5", item));
    EXPECT_EQ(item, 7u | 32768u << 16);
    EXPECT_FALSE(ParseItem(TWTY_FIX32, "32768", item));
    EXPECT_FALSE(ParseItem(TWTY_FIX32, "nan", item));
    EXPECT_FALSE(ParseItem(TWTY_FIX32, "1.5x", item));
    EXPECT_FALSE(ParseItem(TWTY_FIX32, "", item));
    EXPECT_FALSE(ParseItem(TWTY_FRAME, "1", item));
}

TEST(CapabilityNames, ByNameOrNumber) {
    EXPECT_EQ(ParseCapability("ICAP_XRESOLUTION"), ICAP_XRESOLUTION);
    EXPECT_EQ(ParseCapability("cap_xfercount"), CAP_XFERCOUNT);
    EXPECT_EQ(ParseCapability("0x1118"), ICAP_XRESOLUTION);
    EXPECT_EQ(ParseCapability("4376"), ICAP_XRESOLUTION);
    EXPECT_EQ(ParseCapability("0x10000"), std::nullopt);
    EXPECT_EQ(ParseCapability("ICAP_NOSUCH"), std::nullopt);
    EXPECT_EQ(ParseCapability(""), std::nullopt);
    EXPECT_EQ(ParseItemType("fix32"), TWTY_FIX32);
    EXPECT_EQ(ParseItemType("TWTY_INT16"), TWTY_INT16);
    EXPECT_EQ(ParseItemType("float"), std::nullopt);
    EXPECT_STREQ(CapabilityName(ICAP_LAMPSTATE), "ICAP_LAMPSTATE");
    EXPECT_EQ(CapabilityName(0x8001), nullptr);
    EXPECT_STREQ(ConditionCodeName(TWCC_CHECKDEVICEONLINE), "TWCC_CHECKDEVICEONLINE");
}

}  // namespace
}  // namespace z8scan
