#include "datasource/data_source.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/global_memory_table.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/scanning/session_rig.h"

namespace z8 {
namespace {

using Calls = std::vector<std::string>;

class DataSourceTest : public ::testing::Test {
protected:
    DataSourceTest() : source(rig.session, ui, manager, memory) {
        rig.session.Settings().SetDocumentSource(kSourceFlatbed);
        std::strcpy(source.state.sourceIdentity.ProductName, "VARUR UZ Edazi 1.0");
        app.Id = 41;
        std::strcpy(app.ProductName, "Some Application");
    }
    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return source.Entry(&app, dg, dat, msg, data);
    }
    TW_UINT16 Status() {
        TW_STATUS status{};
        status.Reserved = 0xBEEF;
        EXPECT_EQ(Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status), TWRC_SUCCESS);
        EXPECT_EQ(status.Reserved, 0);
        return status.ConditionCode;
    }
    TW_UINT16 Open() {
        TW_IDENTITY assigned = source.state.sourceIdentity;
        assigned.Id = 7;
        return Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned);
    }
    TW_UINT16 Enable(TW_UINT16 showUI) {
        TW_USERINTERFACE request{};
        request.ShowUI = showUI;
        return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &request);
    }
    TW_UINT16 Disable(TW_UINT16 showUI) {
        TW_USERINTERFACE request{};
        request.ShowUI = showUI;
        return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &request);
    }
    // Puts the source in the given state the way an application would.
    void Reach(int state) {
        if (state >= 4) {
            ASSERT_EQ(Open(), TWRC_SUCCESS);
        }
        if (state >= 5) {
            ASSERT_EQ(Enable(1), TWRC_SUCCESS);
        }
        if (state >= 6) source.NotifyTransferReady();
        if (state >= 7) source.state.sourceState = 7;
        ui.calls.clear();
        manager.sent.clear();
        ASSERT_EQ(source.state.sourceState, state);
    }

    test::AbsentSerialDevice port;
    test::SessionRig rig{port};
    test::FakeSourceUi ui;
    test::FakeManager manager;
    GlobalMemoryTable memory;
    DataSource source;
    TW_IDENTITY app{};
};

TEST_F(DataSourceTest, IdentityGetCopiesAllBytesInEveryState) {
    for (int state = 3; state <= 7; ++state) {
        source.state.sourceState = state;
        TW_IDENTITY out;
        std::memset(&out, 0x5A, sizeof out);
        EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &out), TWRC_SUCCESS);
        EXPECT_EQ(std::memcmp(&out, &source.state.sourceIdentity, sizeof out), 0);
    }
}

TEST_F(DataSourceTest, OpenRecordsBothIdentitiesAndCloseKeepsTheRecord) {
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    EXPECT_EQ(source.state.sourceState, 4);
    EXPECT_EQ(TW_UINT32{source.state.appIdentity.Id}, 41u);
    EXPECT_EQ(TW_UINT32{source.state.sourceIdentity.Id}, 7u);

    // A second open by the same application is out of sequence.
    EXPECT_EQ(Open(), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_SEQERROR);

    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    EXPECT_EQ(source.state.sourceState, 3);
    EXPECT_EQ(TW_UINT32{source.state.appIdentity.Id}, 0u);
    EXPECT_STREQ(source.state.appIdentity.ProductName, "Some Application");
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_SEQERROR);
}

TEST_F(DataSourceTest, OpenRefusals) {
    rig.session.Settings().SetDocumentSource(kSourceNone);
    EXPECT_EQ(Open(), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_CHECKDEVICEONLINE);
    EXPECT_EQ(source.state.sourceState, 3);
    rig.session.Settings().SetDocumentSource(
        kSourceFeeder);  // the scanner answers now: a later open is tried again
    EXPECT_EQ(Open(), TWRC_SUCCESS);
    Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);

    // An open source is not opened again.
    ASSERT_EQ(Open(), TWRC_SUCCESS);
    EXPECT_EQ(Open(), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_SEQERROR);
    Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr);

    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
    EXPECT_EQ(source.state.sourceState, 3);
}

TEST_F(DataSourceTest, LumetoCallerIsDecidedAtEveryOpenEvenARefusedOne) {
    std::strcpy(app.ProductName, "Lumeto Application");
    source.state.sourceState = 5;
    EXPECT_EQ(Open(), TWRC_FAILURE);
    EXPECT_TRUE(source.state.lumetoCaller);
    source.state.sourceState = 3;
    std::strcpy(app.ProductName, "Lumeto application");
    EXPECT_EQ(Open(), TWRC_SUCCESS);
    EXPECT_FALSE(source.state.lumetoCaller);
}

TEST_F(DataSourceTest, CallsFromAnotherApplicationAreNotServedWhileOpen) {
    Reach(4);
    TW_IDENTITY stranger = app;
    stranger.Id = 99;
    source.state.conditionCode = TWCC_BADCAP;
    TW_IDENTITY out{};
    EXPECT_EQ(source.Entry(&stranger, DG_CONTROL, DAT_IDENTITY, MSG_GET, &out), TWRC_FAILURE);
    EXPECT_EQ(source.Entry(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_FAILURE);
    EXPECT_EQ(source.state.sourceState, 4);
    EXPECT_EQ(Status(), TWCC_BADCAP);  // untouched
}

TEST_F(DataSourceTest, StatusReportsTheLastRefusalOnceAndOnlyImageTripletsClearIt) {
    EXPECT_EQ(Call(DG_CONTROL, DAT_EVENT, MSG_GET, nullptr), TWRC_FAILURE);
    TW_IDENTITY out;
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &out), TWRC_SUCCESS);
    EXPECT_EQ(Status(), TWCC_BADPROTOCOL);
    EXPECT_EQ(Status(), TWCC_SUCCESS);

    EXPECT_EQ(Call(DG_CONTROL, DAT_PARENT, MSG_GET, nullptr), TWRC_FAILURE);
    TW_UINT32 anything = 5;
    EXPECT_EQ(Call(DG_IMAGE, DAT_GRAYRESPONSE, MSG_RESET, &anything), TWRC_SUCCESS);
    EXPECT_EQ(Status(), TWCC_SUCCESS);
}

TEST_F(DataSourceTest, AlwaysSucceedingTripletsLeaveTheirDataAlone) {
    for (int state = 3; state <= 7; ++state) {
        source.state.sourceState = state;
        for (TW_UINT16 msg : {MSG_GET, MSG_SET, MSG_RESET, MSG_GETFIRST}) {
            unsigned char data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
            EXPECT_EQ(Call(DG_CONTROL, DAT_CUSTOMDSDATA, msg, data), TWRC_SUCCESS);
            EXPECT_EQ(Call(DG_IMAGE, DAT_GRAYRESPONSE, msg, data), TWRC_SUCCESS);
            EXPECT_EQ(Call(DG_IMAGE, DAT_RGBRESPONSE, msg, data), TWRC_SUCCESS);
            EXPECT_EQ(data[0], 1);
            EXPECT_EQ(data[7], 8);
        }
    }
}

TEST_F(DataSourceTest, ProcessEventRoutesOnlyTheDialogsMessages) {
    int dialogMsg = 0, otherMsg = 0;
    ui.dialogMessage = &dialogMsg;
    for (int state = 3; state <= 7; ++state) {
        source.state.sourceState = state;
        TW_EVENT event{};
        event.pEvent = &otherMsg;
        event.TWMessage = 0x1234;
        // Whatever DG and DAT come with it.
        EXPECT_EQ(Call(DG_IMAGE, DAT_NULL, MSG_PROCESSEVENT, &event), TWRC_NOTDSEVENT);
        event.pEvent = &dialogMsg;
        EXPECT_EQ(Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event), TWRC_DSEVENT);
        EXPECT_EQ(event.TWMessage, MSG_NULL);
    }
    TW_EVENT empty{};
    EXPECT_EQ(Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &empty), TWRC_FAILURE);
    EXPECT_EQ(Call(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
}

TEST_F(DataSourceTest, EnableWithInterfaceShowsTheDialog) {
    Reach(4);
    EXPECT_EQ(Enable(1), TWRC_SUCCESS);
    EXPECT_EQ(source.state.sourceState, 5);
    EXPECT_EQ(rig.session.Settings().ShowUI(), 1);
    EXPECT_EQ(ui.calls, (Calls{"CreateDialogWindow", "StartMessageThread", "ShowDialog"}));
    EXPECT_TRUE(manager.sent.empty());
}

TEST_F(DataSourceTest, EnableWithoutInterfaceScansBeforeReturning) {
    // The scan itself is proven with a scripted scanner; here the link does
    // not open, so the source stays enabled, still a success.
    Reach(4);
    EXPECT_EQ(Enable(0), TWRC_SUCCESS);
    EXPECT_EQ(source.state.sourceState, 5);
    EXPECT_EQ(rig.session.Settings().ShowUI(), 0);
    EXPECT_EQ(ui.calls, (Calls{"CreateDialogWindow", "StartMessageThread"}));
    EXPECT_TRUE(manager.sent.empty());
}

TEST_F(DataSourceTest, EnableFailsWithoutItsWindowOrThread) {
    Reach(4);
    for (bool window : {false, true}) {
        ui.windowCreated = window;
        ui.threadStarted = false;
        ui.calls.clear();
        EXPECT_EQ(Enable(1), TWRC_FAILURE);
        EXPECT_EQ(Status(), TWCC_LOWMEMORY);
        EXPECT_EQ(source.state.sourceState, 4);
        EXPECT_EQ(ui.calls.back(), "DestroyDialogWindow");
    }
}

TEST_F(DataSourceTest, DisableDrainsFirstEvenWhenRefused) {
    Reach(4);
    EXPECT_EQ(Disable(1), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_SEQERROR);
    EXPECT_EQ(ui.calls, (Calls{"Drain"}));
    EXPECT_EQ(source.state.sourceState, 4);

    for (int state : {5, 6, 7}) {
        source.state.sourceState = state;
        ui.calls.clear();
        EXPECT_EQ(Disable(0), TWRC_SUCCESS);
        EXPECT_EQ(source.state.sourceState, 4);
        EXPECT_EQ(ui.calls,
                  (Calls{"Drain", "HideDialog", "EndMessageThread", "DestroyDialogWindow"}));
    }
    source.state.sourceState = 5;
    ui.calls.clear();
    EXPECT_EQ(Disable(1), TWRC_SUCCESS);
    EXPECT_EQ(ui.calls, (Calls{"Drain", "EndMessageThread", "DestroyDialogWindow"}));
}

TEST_F(DataSourceTest, UserInterfaceRefusals) {
    Reach(4);
    TW_USERINTERFACE request{};
    EXPECT_EQ(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, &request), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADPROTOCOL);
    EXPECT_EQ(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
    EXPECT_EQ(source.state.sourceState, 4);
    EXPECT_TRUE(ui.calls.empty());
    ASSERT_EQ(Enable(1), TWRC_SUCCESS);
    EXPECT_EQ(Enable(1), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_SEQERROR);
}

TEST_F(DataSourceTest, CloseRequestLeavesTheState) {
    Reach(5);
    source.NotifyCloseRequest();
    EXPECT_EQ(source.state.sourceState, 5);
    ASSERT_EQ(manager.sent.size(), 1u);
    EXPECT_EQ(manager.sent[0].msg, MSG_CLOSEDSREQ);
}

}  // namespace
}  // namespace z8
