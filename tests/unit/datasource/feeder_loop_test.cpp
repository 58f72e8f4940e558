// The end of each transfer through DataSource's entry: the sheet feeder's
// loop, the pages counted per job, the next sheet that cannot be had, the
// page kept while a transfer waits, and the orders real applications use.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/scan_status.h"
#include "tests/unit/datasource/transfer_rig.h"

namespace z8 {
namespace {

class FeederLoopTest : public test::TransferTest {
protected:
    void UseFeeder(TW_INT16 xferCount) {
        session.Settings().SetDocumentSource(kSourceFeeder);
        session.Settings().SetXferCount(xferCount);
        session.Settings().SetPixelType(TWPT_GRAY);
    }
    // The first row of the waiting page by memory transfer: where it starts
    // and whether its pixels are the pattern's.
    void ExpectFirstRow() {
        std::vector<uint8_t> row(16);
        TW_IMAGEMEMXFER xfer{};
        xfer.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, 16, row.data()};
        ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);
        EXPECT_EQ(TW_UINT32{xfer.YOffset}, 0u);
        EXPECT_EQ(row, ExpectedRow(0, 16));
    }
    TW_UINT16 Disable() {
        TW_USERINTERFACE request{};
        return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &request);
    }
};

TEST_F(FeederLoopTest, EndingATransferScansTheNextSheetWhileMorePagesAreWanted) {
    struct Case {
        const char* name;
        TW_UINT16 source;
        TW_INT16 xferCount;
        std::vector<uint8_t> ends;  // end status of each page scanned
        std::vector<int> counts;    // MSG_ENDXFER after each page
    };
    const Case cases[] = {
        {"flatbed", kSourceFlatbed, -1, {0}, {0}},
        {"feeder, one page wanted, another ready", kSourceFeeder, 1, {5}, {0}},
        {"feeder, two pages wanted", kSourceFeeder, 2, {5, 5}, {1, 0}},
        {"feeder, every page", kSourceFeeder, -1, {5, 5, 4}, {1, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.Settings().SetDocumentSource(c.source);
        session.Settings().SetXferCount(c.xferCount);
        session.Settings().SetPixelType(TWPT_GRAY);
        Open();
        ScriptScan(c.ends[0]);
        ASSERT_EQ(Enable(0), TWRC_SUCCESS);
        for (size_t page = 0; page < c.ends.size(); ++page) {
            ASSERT_EQ(State(), 6);
            ExpectFirstRow();
            if (c.counts[page] == 1) ScriptNextSheet(c.ends[page + 1]);
            EXPECT_EQ(Pending(MSG_ENDXFER), c.counts[page]) << "page " << page + 1;
        }
        EXPECT_EQ(State(), 5);
        EXPECT_EQ(manager.sent.size(), 1u) << "one MSG_XFERREADY for the whole loop";
        manager.sent.clear();
        ASSERT_EQ(Disable(), TWRC_SUCCESS);
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    }
}

TEST_F(FeederLoopTest, ANextSheetThatCannotBeHadEndsTheLoop) {
    struct Case {
        const char* name;
        int fault;  // 0 the link does not open, 1 the scan fails, 2 it is stopped
    };
    // The refused port comes last: it stays refused.
    for (const Case& c :
         {Case{"scan fails", 1}, Case{"scan stopped", 2}, Case{"link does not open", 0}}) {
        SCOPED_TRACE(c.name);
        UseFeeder(-1);
        Open();
        ScriptScan(SCAN_FEUILLE_PRETE);
        ASSERT_EQ(Enable(0), TWRC_SUCCESS);
        switch (c.fault) {
            case 0:
                port.RefuseOpen();
                break;
            case 1:
                ScriptNextSheet(SCAN_ERREUR_BOURRAGE);
                break;
            default:
                ScriptNextSheet(SCAN_FEUILLE_PRETE);
                port.Expect(test::frames::kAbort, test::frames::StatusReply(5));
                progress.cancel = true;
                break;
        }
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        EXPECT_EQ(State(), 5);
        progress.cancel = false;
        ASSERT_EQ(Disable(), TWRC_SUCCESS);
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    }
}

TEST_F(FeederLoopTest, TheTransferCountStartsAgainWithEveryJob) {
    UseFeeder(2);
    session.Settings().SetPagesTransferred(7);  // pages of an earlier session
    for (int job = 1; job <= 2; ++job) {
        SCOPED_TRACE(job);
        Open();
        ScriptScan(SCAN_FEUILLE_PRETE);
        ASSERT_EQ(Enable(0), TWRC_SUCCESS);
        EXPECT_EQ(session.Settings().PagesTransferred(), 0);
        ScriptNextSheet(SCAN_FEUILLE_PRETE);
        EXPECT_EQ(Pending(MSG_ENDXFER), 1);
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        ASSERT_EQ(Disable(), TWRC_SUCCESS);
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    }
    // A Scan pressed in the dialog starts a job too.
    Open();
    ASSERT_EQ(Enable(1), TWRC_SUCCESS);
    session.Settings().SetPagesTransferred(2);
    ScriptScan(SCAN_FEUILLE_PRETE);
    session.Scan();
    EXPECT_EQ(session.Settings().PagesTransferred(), 0);
    dialog.calls.clear();
    ScriptNextSheet(SCAN_FIN_DOC);
    EXPECT_EQ(Pending(MSG_ENDXFER), 1);
    ASSERT_FALSE(dialog.calls.empty());
    EXPECT_EQ(dialog.calls.front(), "restore-window") << "shown again before the next sheet";
}

TEST_F(FeederLoopTest, ScanAndPreviewWaitWhileAPageWaitsOrIsTransferred) {
    session.Settings().SetPixelType(TWPT_GRAY);
    Open();
    ASSERT_EQ(Enable(1), TWRC_SUCCESS);
    ScriptScan(0);
    session.Scan();
    ASSERT_EQ(State(), 6);
    const Image* page = session.Job().acquired.image.get();
    const uint32_t pages = session.Job().pagesAcquired;
    const int opens = port.opens;
    for (int state : {6, 7}) {
        if (state == 7) {
            std::vector<uint8_t> row(16);
            TW_IMAGEMEMXFER xfer{};
            xfer.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, 16, row.data()};
            ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);
        }
        ASSERT_EQ(State(), state);
        session.Scan();
        session.Preview();
        EXPECT_EQ(port.opens, opens) << "the link was not even opened";
        EXPECT_EQ(session.Job().acquired.image.get(), page);
        EXPECT_EQ(session.Job().pagesAcquired, pages);
    }
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    ScriptScan(0);
    session.Scan();
    EXPECT_EQ(session.Job().pagesAcquired, pages + 1) << "state 5: Scan works again";
}

TEST_F(FeederLoopTest, WhatRealApplicationsDo) {
    session.Settings().SetPixelType(TWPT_RGB);
    // MSG_RESET right after MSG_XFERREADY, then MSG_DISABLEDS.
    Open();
    ScriptScan(0);
    ASSERT_EQ(Enable(0), TWRC_SUCCESS);
    EXPECT_EQ(Pending(MSG_RESET), 0);
    EXPECT_EQ(State(), 5);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(State(), 4);

    // In state 6: the transfer group, the mechanism, the pending count.
    ScriptScan(0);
    ASSERT_EQ(Enable(0), TWRC_SUCCESS);
    TW_UINT32 group = 0;
    EXPECT_EQ(Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group), TWRC_SUCCESS);
    EXPECT_EQ(group, DG_IMAGE);
    TW_CAPABILITY mech{ICAP_XFERMECH, TWON_DONTCARE16, nullptr};
    ASSERT_EQ(Call(DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, &mech), TWRC_SUCCESS);
    const auto* value = static_cast<const TW_ONEVALUE*>(appMemory.Lock(mech.hContainer));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(TW_UINT32{value->Item}, TWSX_NATIVE);
    appMemory.Unlock(mech.hContainer);
    appMemory.Free(mech.hContainer);
    EXPECT_EQ(Pending(MSG_GET), 1);
    EXPECT_EQ(State(), 6);

    // A strip refused for its size, then MSG_ENDXFER: no hang.
    std::vector<uint8_t> small(8);
    TW_IMAGEMEMXFER xfer{};
    xfer.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, 8, small.data()};
    EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_FAILURE);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(State(), 5);
    ASSERT_EQ(Disable(), TWRC_SUCCESS);

    // The whole close-down from the handling of MSG_XFERREADY.
    ScriptScan(0);
    ASSERT_EQ(Enable(0), TWRC_SUCCESS);
    TW_HANDLE dib = nullptr;
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib), TWRC_XFERDONE);
    rig.memory.Free(dib);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(Pending(MSG_RESET), 0);
    EXPECT_EQ(Disable(), TWRC_SUCCESS);
    EXPECT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    EXPECT_EQ(State(), 3);
    EXPECT_FALSE(session.Link().IsOpen());
    EXPECT_EQ(rig.memory.LiveBlocks(), 0u) << "the page went with the session";
}

}  // namespace
}  // namespace z8
