#include "scanning/scanning_session.h"

#include <gtest/gtest.h>

#include <cstring>

#include "datasource/data_source.h"
#include "device/frame.h"
#include "device/scan_status.h"
#include "scanning/scan_preparation.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/device/frames_scan.h"
#include "tests/unit/device/frames_status.h"
#include "tests/unit/device/golden.h"
#include "tests/unit/scanning/fake_views.h"
#include "tests/unit/scanning/session_rig.h"
#include "tools/emulator/scanner_model.h"

namespace z8 {
namespace {

namespace frames = test::frames;
using test::Bytes;
using Calls = std::vector<std::string>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes GeometryFrame(uint8_t mode, uint16_t width, uint16_t height) {
    ScanParameterBlock block;
    block.mode = mode;
    block.right = width;
    block.bottom = height;
    const auto bytes = EncodeBlock(block);
    return emu::MakeFrame(kReplyGeometry, bytes);
}

// A band of `lines` lines of `length` bytes, every byte `value`.
Bytes BandFrame(uint16_t lines, uint32_t length, uint8_t value = 0x40) {
    Bytes payload(2 + size_t{lines} * length, value);
    payload[0] = static_cast<uint8_t>(lines);
    payload[1] = static_cast<uint8_t>(lines >> 8);
    return emu::MakeFrame(kReplyBand, payload);
}

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        CScanSettings& s = session.Settings();
        s.SetFlatbedSupport(2);
        s.SetFeederSupport(kFeederAbsent);
        s.SetDocumentSource(kSourceFlatbed);
        s.SetShowUI(1);
        session.Link().FindComPort();
        session.AttachDialog(&dialog);
        session.AttachProgress(&progress);
        session.AttachPreview(&preview);
        session.SetTransferReadyHandler([this] { ++notified; });
    }
    // A final scan of the current settings, as the Scan command runs it
    // without the profile.
    ScanResult Scan() {
        EXPECT_TRUE(session.Link().Open());
        session.PrepareScan();
        const ScanResult result = session.RunAcquisition(true);
        session.Link().Close();
        return result;
    }
    // The parameters PrepareScan will send, worked out on a copy of the settings.
    void ExpectParameters(const Bytes& replies) {
        CScanSettings copy = session.Settings();
        const auto block = EncodeBlock(FinalBlock(copy, session.Job().scanParameters));
        port.Expect(Cat({frames::kParametersHeader, Bytes(block.begin(), block.end())}), replies);
    }

    test::FakeClock portClock;
    test::ScriptedSerialDevice port{portClock};
    test::SessionRig rig{port};
    ScanningSession& session = rig.session;
    test::FakeDialogView dialog;
    test::FakeProgressView progress;
    test::FakePreviewSink preview;
    int notified = 0;
};

TEST_F(SessionTest, GoldenExchanges) {
    // The final grey A4 scan at 300 dpi; the scanner answers with a small page.
    session.Settings().SetPixelType(TWPT_GRAY);
    session.Settings().SetXResolutionIndex(4);
    session.Settings().SetYResolutionIndex(4);
    port.Expect(frames::kStatus, frames::StatusReply(0));
    port.Expect(
        Cat({frames::kParametersHeader, frames::kA4Grey300Block}),
        Cat({frames::kStarted, GeometryFrame(1, 4, 2), BandFrame(2, 4), frames::EndOfPage(0)}));
    EXPECT_EQ(Scan(), kScanSucceeded);
    ASSERT_NE(session.Job().acquired.image, nullptr);
    EXPECT_EQ(session.Job().acquired.image->Width(), 4);
    EXPECT_EQ(session.Job().acquired.image->BitCount(), 8);
    EXPECT_EQ(session.Job().acquired.image->Row(1)[0], 255 - 0x40);

    // A colour preview of the whole bed; the pixel type comes back after it.
    port.Expect(frames::kStatus, frames::StatusReply(0));
    port.Expect(
        Cat({frames::kParametersHeader, frames::kA4PreviewBlock}),
        Cat({frames::kStarted, GeometryFrame(3, 2, 1), BandFrame(1, 6), frames::EndOfPage(0)}));
    session.Preview();
    EXPECT_EQ(session.Settings().PixelType(), TWPT_GRAY);
    ASSERT_NE(preview.image, nullptr);
    EXPECT_EQ(preview.image->BitCount(), 24);
    EXPECT_EQ(preview.partials, 1);
    EXPECT_EQ(session.Job().acquired.image, nullptr) << "a preview drops the page";
    EXPECT_EQ(notified, 1) << "only the final scan notifies";

    // Stop pressed while the bands arrive: CMD_ABORT, its answer read.
    port.Expect(frames::kStatus, frames::StatusReply(0));
    port.Expect(Cat({frames::kParametersHeader, frames::kA4Grey300Block}),
                Cat({frames::kStarted, GeometryFrame(1, 4, 4), BandFrame(2, 4)}));
    port.Expect(frames::kAbort, frames::StatusReply(0));
    dialog.onStatus = [this](const std::string& status) {
        if (status.starts_with("Transfert")) session.RequestStop();
    };
    EXPECT_EQ(Scan(), kScanStopped);
    EXPECT_EQ(session.Job().acquired.image, nullptr);
    EXPECT_EQ(rig.memory.LiveBlocks(), 1u) << "only the preview picture is left";
    EXPECT_EQ(dialog.calls.back(), "status:|VARUR UZ Edazi 1.0") << "a stop shows nothing";
    // The grey A4 scan, the preview and the stop, byte for byte.
    test::ExpectMatchesGolden("session_scan_preview_stop", port.Transcript());
}

TEST_F(SessionTest, WaitsForAWarmScannerAndASheet) {
    struct Case {
        const char* name;
        uint16_t source;
        std::vector<uint8_t> statuses;  // answered before the scan
        bool scans;
        ScanResult result;
        Calls progressStart;
        uint32_t waitedMs;
    };
    const std::string checking = "text:Vérification de l'état du scanner.";
    const std::string insert = "text:Insérez votre document dans le chargeur.";
    const Case cases[] = {
        {"warm-up",
         kSourceFlatbed,
         {9, 9, 9, 0},
         true,
         kScanSucceeded,
         {"show", checking, "at:3", "at:6", "at:10", "hide"},
         3000},
        {"sheet",
         kSourceFeeder,
         {6, 6, 5},
         true,
         kScanSucceeded,
         {"show", insert, "at:3", "hide", "text:"},
         1000},
        {"no sheet for 30 looks",
         kSourceFeeder,
         std::vector<uint8_t>(32, 6),
         false,
         SCAN_ATTENTE_FEUILLE,
         {"show", insert, "at:3"},
         30000},
        {"warming up for ever",
         kSourceFlatbed,
         std::vector<uint8_t>(31, 9),
         false,
         SCAN_PRECHAUFFAGE,
         {"show", checking, "at:3"},
         30000},
        {"cover open", kSourceFlatbed, {SCAN_ERREUR_CAPOT}, false, kScanFailed, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        session.Settings().SetFeederSupport(4);
        session.Settings().SetDocumentSource(c.source);
        session.Job().lastStatus = 0;
        progress.calls.clear();
        notified = 0;
        const uint32_t start = rig.clock.TickCount();
        for (uint8_t status : c.statuses)
            port.Expect(frames::kStatus, frames::StatusReply(status));
        if (c.scans) {
            session.Settings().SetPixelType(TWPT_BW);
            ExpectParameters(Cat({frames::kStarted, GeometryFrame(0, 8, 1), BandFrame(1, 1),
                                  frames::EndOfPage(c.source == kSourceFeeder ? 5 : 0)}));
        }
        const ScanResult result = Scan();
        EXPECT_EQ(result,
                  c.source == kSourceFeeder && c.scans ? ScanResult{SCAN_FEUILLE_PRETE} : c.result);
        EXPECT_EQ(session.Job().sheetReady, c.source == kSourceFeeder && c.scans ? 1 : 0);
        ASSERT_GE(progress.calls.size(), c.progressStart.size());
        EXPECT_EQ(Calls(progress.calls.begin(), progress.calls.begin() + c.progressStart.size()),
                  c.progressStart);
        EXPECT_EQ(rig.clock.TickCount() - start, c.waitedMs);
        EXPECT_EQ(notified, 1) << "the application is woken whatever the result";
        EXPECT_EQ(port.Unread(), 0u);
    }
    // The busy scanner that stays busy is reported with its code.
    EXPECT_NE(
        std::find(dialog.calls.begin(), dialog.calls.end(), "message:Défaut du scanner : code 0x9"),
        dialog.calls.end());
}

TEST_F(SessionTest, ProgressTextsFollowTheLinesReceived) {
    session.Settings().SetPixelType(TWPT_GRAY);
    port.Expect(frames::kStatus, frames::StatusReply(0));
    ExpectParameters(Cat({frames::kStarted, GeometryFrame(1, 1, 10), BandFrame(5, 1),
                          BandFrame(5, 1), frames::EndOfPage(0)}));
    EXPECT_EQ(Scan(), kScanSucceeded);
    Calls statuses;
    for (const std::string& call : dialog.calls)
        if (call.starts_with("status:Transfert")) statuses.push_back(call);
    EXPECT_EQ(statuses, (Calls{"status:Transfert 0 %|Transfert 0 %",
                               "status:Transfert 50 %|Transfert 50 %"}));
    EXPECT_EQ(dialog.calls.front(), "disable:Préchauffage en cours.");
    EXPECT_NE(std::find(dialog.calls.begin(), dialog.calls.end(), "restore:P-B"),
              dialog.calls.end());
}

TEST_F(SessionTest, PagesThatCannotBeWhatWasAskedFailAndStopTheScanner) {
    struct Case {
        const char* name;
        Bytes replies;  // after the parameters
        ScanResult result;
        bool abort;
        std::string message;
        size_t allocationLimit = SIZE_MAX;
    };
    const Bytes geometry = GeometryFrame(1, 4, 2);
    const Case cases[] = {
        {"second geometry", Cat({frames::kStarted, geometry, geometry}), kScanFailed, true,
         "Défaut du scanner"},
        {"zero height", Cat({frames::kStarted, GeometryFrame(1, 4, 0)}), kScanFailed, true,
         "Défaut du scanner"},
        {"end without geometry", Cat({frames::kStarted, frames::EndOfPage(0)}), kScanFailed, true,
         "Défaut du scanner"},
        {"lines too short", Cat({frames::kStarted, geometry, BandFrame(2, 3)}), kScanFailed, true,
         "Défaut du scanner"},
        {"band of zero lines", Cat({frames::kStarted, geometry, frames::kBandOfZeroLines}),
         kScanFailed, true, "Défaut du scanner"},
        {"no memory for the page", Cat({frames::kStarted, geometry}), kScanFailed, true,
         "Défaut du scanner", 100},
        {"bands first, then a whole page",
         Cat({frames::kStarted, BandFrame(1, 4), geometry, BandFrame(2, 4), frames::EndOfPage(0)}),
         kScanSucceeded, false, ""},
        {"cover open at once", frames::EndOfPage(SCAN_ERREUR_CAPOT), SCAN_ERREUR_CAPOT, false,
         "Défaut du scanner : code 0x84"},
        {"end status waiting",
         Cat({frames::kStarted, geometry, BandFrame(2, 4), frames::EndOfPage(6)}), kScanFailed,
         false, "Défaut du scanner"},
        {"end status busy, kept",
         Cat({frames::kStarted, geometry, BandFrame(2, 4), frames::EndOfPage(7)}), SCAN_BUSY, false,
         "Défaut du scanner : code 0x7"},
    };
    session.Settings().SetPixelType(TWPT_GRAY);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rig.memory.SetAllocationLimit(c.allocationLimit);
        dialog.calls.clear();
        session.Job().sheetReady = 1;
        port.Expect(frames::kStatus, frames::StatusReply(0));
        ExpectParameters(c.replies);
        if (c.abort) port.Expect(frames::kAbort, frames::StatusReply(0));
        EXPECT_EQ(Scan(), c.result);
        EXPECT_EQ(session.Job().sheetReady, 0);
        const bool page = c.result == kScanSucceeded || c.result == SCAN_BUSY;
        EXPECT_EQ(session.Job().acquired.image != nullptr, page);
        EXPECT_EQ(rig.memory.LiveBlocks(), page ? 1u : 0u);
        const std::string shown = dialog.calls.back();
        EXPECT_EQ(shown, c.message.empty() ? "status:|VARUR UZ Edazi 1.0" : "message:" + c.message);
    }
}

TEST_F(SessionTest, TheDibFollowsTheModeAskedFor) {
    // An application set the bit depth of grey after colour: the final scan
    // still gets colour rows, and the settings the depth that goes with them.
    session.Settings().SetPixelType(TWPT_RGB);
    session.Settings().SetBitDepth(8);
    port.Expect(frames::kStatus, frames::StatusReply(0));
    ExpectParameters(
        Cat({frames::kStarted, GeometryFrame(3, 2, 1), BandFrame(1, 6), frames::EndOfPage(0)}));
    EXPECT_EQ(Scan(), kScanSucceeded);
    EXPECT_EQ(session.Job().acquired.image->BitCount(), 24);
    EXPECT_EQ(session.Settings().BitDepth(), 24);

    // A flatbed that previews in grey, black and white chosen: the preview's
    // lines are grey, and so is its picture.
    session.Settings().SetFlatbedSupport(1);
    session.Settings().SetPixelType(TWPT_BW);
    port.Expect(frames::kStatus, frames::StatusReply(0));
    ScanParameterBlock block = PreviewBlock(session.Settings(), session.Job().scanParameters);
    const auto bytes = EncodeBlock(block);
    port.Expect(
        Cat({frames::kParametersHeader, Bytes(bytes.begin(), bytes.end())}),
        Cat({frames::kStarted, GeometryFrame(1, 3, 2), BandFrame(2, 3), frames::EndOfPage(0)}));
    session.Preview();
    ASSERT_NE(preview.image, nullptr);
    EXPECT_EQ(preview.image->BitCount(), 8);
    EXPECT_EQ(preview.image->Row(0)[0], 255 - 0x40);
}

TEST(ScanResultTest, WhatTheUserIsTold) {
    const auto strings = test::SessionTexts();
    const std::pair<ScanResult, const char*> cases[] = {
        {0, nullptr},
        {3, nullptr},
        {4, nullptr},
        {5, nullptr},
        {6, nullptr},
        {0x86, nullptr},
        {0x20, "Défaut du scanner"},
        {133, "Défaut du scanner"},
        {7, "Défaut du scanner : code 0x7"},
        {9, "Défaut du scanner : code 0x9"},
        {0x84, "Défaut du scanner : code 0x84"},
    };
    for (const auto& [result, text] : cases) {
        const auto message = ResultMessage(result, strings);
        EXPECT_EQ(message.has_value(), text != nullptr) << int{result};
        if (text != nullptr && message) {
            EXPECT_EQ(*message, text);
        }
    }
}

TEST_F(SessionTest, EnablingWithoutInterfaceScansAndWakesTheApplication) {
    test::FakeSourceUi ui;
    test::FakeManager manager;
    GlobalMemoryTable containers;
    DataSource source(session, ui, manager, containers);
    TW_IDENTITY app{};
    app.Id = 3;
    TW_IDENTITY assigned{};
    assigned.Id = 9;
    ASSERT_EQ(source.Entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned), TWRC_SUCCESS);
    session.Settings().SetPixelType(TWPT_RGB);
    port.Expect(frames::kStatus, frames::StatusReply(0));
    ExpectParameters(
        Cat({frames::kStarted, GeometryFrame(3, 2, 1), BandFrame(1, 6), frames::EndOfPage(0)}));
    TW_USERINTERFACE request{};
    request.ShowUI = 0;
    EXPECT_EQ(source.Entry(&app, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &request),
              TWRC_SUCCESS);
    EXPECT_EQ(source.state.sourceState, 6);
    ASSERT_EQ(manager.sent.size(), 1u);
    EXPECT_EQ(manager.sent[0].msg, MSG_XFERREADY);
    ASSERT_NE(session.Job().acquired.image, nullptr);
    EXPECT_EQ(session.Job().acquired.image->BitCount(), 24);
}

}  // namespace
}  // namespace z8
