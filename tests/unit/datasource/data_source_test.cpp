#include "datasource/data_source.h"

#include <gtest/gtest.h>

#include <cstring>

namespace z8 {
namespace {

class DataSourceTest : public ::testing::Test {
protected:
    DataSourceTest() {
        std::strcpy(state.sourceIdentity.ProductName, "VARUR UZ Edazi 1.0");
        state.sourceIdentity.ProtocolMinor = 9;
    }
    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return HandleTriplet(state, &app, dg, dat, msg, data);
    }
    TW_UINT16 Status() {
        TW_STATUS status{};
        status.Reserved = 0xBEEF;
        EXPECT_EQ(Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status), TWRC_SUCCESS);
        EXPECT_EQ(status.Reserved, 0);
        return status.ConditionCode;
    }
    DataSourceState state;
    TW_IDENTITY app{};
};

TEST_F(DataSourceTest, IdentityGetCopiesAllBytes) {
    TW_IDENTITY out;
    std::memset(&out, 0x5A, sizeof out);
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &out), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&out, &state.sourceIdentity, sizeof out), 0);
}

TEST_F(DataSourceTest, StatusReportsTheLastRefusalOnceThenSuccess) {
    TW_UINT32 dummy = 0;
    EXPECT_EQ(Call(DG_CONTROL, DAT_EVENT, MSG_GET, &dummy), TWRC_FAILURE);
    // A later control triplet that succeeds keeps the code.
    TW_IDENTITY out;
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &out), TWRC_SUCCESS);
    EXPECT_EQ(Status(), TWCC_BADPROTOCOL);
    EXPECT_EQ(Status(), TWCC_SUCCESS);
}

TEST_F(DataSourceTest, UnservedTripletsAreRefusedAsBadProtocol) {
    const struct {
        TW_UINT32 dg;
        TW_UINT16 dat, msg;
    } cases[] = {{DG_CONTROL, DAT_IDENTITY, MSG_SET},
                 {DG_CONTROL, DAT_STATUS, MSG_SET},
                 {DG_IMAGE, DAT_CIECOLOR, MSG_GET},
                 {DG_AUDIO, DAT_IDENTITY, MSG_GET},
                 {99, DAT_IDENTITY, MSG_GET}};
    for (const auto& c : cases) {
        state.conditionCode = TWCC_SEQERROR;
        TW_IDENTITY out{};
        EXPECT_EQ(Call(c.dg, c.dat, c.msg, &out), TWRC_FAILURE);
        EXPECT_EQ(Status(), TWCC_BADPROTOCOL) << c.dg << "/" << c.dat << "/" << c.msg;
    }
}

TEST_F(DataSourceTest, NullDataIsRefusedNotDereferenced) {
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
    EXPECT_EQ(Call(DG_CONTROL, DAT_STATUS, MSG_GET, nullptr), TWRC_FAILURE);
}

}  // namespace
}  // namespace z8
