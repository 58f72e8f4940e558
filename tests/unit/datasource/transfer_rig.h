#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "datasource/data_source.h"
#include "device/frame.h"
#include "scanning/scan_preparation.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/device/frames_scan.h"
#include "tests/unit/device/frames_status.h"
#include "tests/unit/scanning/fake_views.h"
#include "tests/unit/scanning/session_rig.h"
#include "tools/emulator/page_lines.h"
#include "tools/emulator/page_pattern.h"
#include "tools/emulator/scanner_model.h"

namespace z8::test {

// A source driven through DataSource's entry as an application drives it,
// over a scripted scanner that answers with the emulator's page pattern: a
// small area at 128 dpi whose odd width pads every row.
class TransferTest : public ::testing::Test {
protected:
    static constexpr int kDpi = 128;  // pixel edges exact in inches
    static constexpr TW_INT16 kLeft = 12, kTop = 5, kWidth = 13, kHeight = 7;

    TransferTest() {
        CScanSettings& s = session.Settings();
        s.SetFlatbedSupport(2);
        s.SetFeederSupport(4);
        s.SetDocumentSource(kSourceFlatbed);
        s.SetPixelType(TWPT_RGB);
        s.SetXResolutionDpi(kDpi);
        s.SetYResolutionDpi(kDpi);
        s.SetLeftPixels(kLeft);
        s.SetTopPixels(kTop);
        s.SetRightPixels(kLeft + kWidth);
        s.SetBottomPixels(kTop + kHeight);
        session.Link().FindComPort();
        session.AttachDialog(&dialog);
        session.AttachProgress(&progress);
        app.Id = 41;
    }

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return source.Entry(&app, dg, dat, msg, data);
    }
    TW_UINT16 Status() {
        TW_STATUS status{};
        Call(DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        return status.ConditionCode;
    }
    int State() const { return source.state.sourceState; }
    void Open() {
        TW_IDENTITY assigned{};
        assigned.Id = 7;
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned), TWRC_SUCCESS);
    }
    TW_UINT16 Enable(TW_UINT16 showUI) {
        TW_USERINTERFACE request{};
        request.ShowUI = showUI;
        return Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &request);
    }
    // Back from state 5 to a closed source, ready for the next open.
    void DisableAndClose() {
        TW_USERINTERFACE request{};
        ASSERT_EQ(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &request), TWRC_SUCCESS);
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
    }
    // Count after DAT_PENDINGXFERS with msg; -2 when refused.
    int Pending(TW_UINT16 msg) {
        TW_PENDINGXFERS pending{};
        pending.Count = 99;
        return Call(DG_CONTROL, DAT_PENDINGXFERS, msg, &pending) == TWRC_SUCCESS ? pending.Count
                                                                                 : -2;
    }

    // The scanner's answers to the final block the settings make now: the
    // readiness check (when `check`), then the page.
    void ScriptScan(uint8_t endStatus, bool check = true) {
        const bool feeder = session.Settings().DocumentSource() == kSourceFeeder;
        if (check) port.Expect(frames::kStatus, frames::StatusReply(feeder ? 5 : 0));
        CScanSettings copy = session.Settings();
        block = FinalBlock(copy, session.Job().scanParameters);
        ScriptNextSheet(endStatus);
    }
    // The same block sent again (the next sheet of the feeder).
    void ScriptNextSheet(uint8_t endStatus) {
        const auto bytes = EncodeBlock(block);
        Bytes request = frames::kParametersHeader;
        request.insert(request.end(), bytes.begin(), bytes.end());
        Bytes replies = frames::kStarted;
        Append(replies, emu::MakeFrame(kReplyGeometry, bytes));
        for (uint32_t row = 0; row < uint32_t{block.bottom} - block.top; row += 4) {
            std::vector<uint8_t> payload{0, 0};
            uint16_t lines = 0;
            for (; lines < 4 && row + lines < uint32_t{block.bottom} - block.top; ++lines)
                emu::AppendLine(block, row + lines, payload);
            payload[0] = static_cast<uint8_t>(lines);
            Append(replies, emu::MakeFrame(kReplyBand, payload));
        }
        Append(replies, frames::EndOfPage(endStatus));
        port.Expect(request, replies);
    }
    // Open, enable without the dialog: the page is scanned and waits (state 6).
    void ScanWithoutInterface(TW_UINT16 pixelType) {
        session.Settings().SetPixelType(pixelType);
        Open();
        ScriptScan(0);
        ASSERT_EQ(Enable(0), TWRC_SUCCESS);
        ASSERT_EQ(State(), 6);
    }

    // The pattern's bytes of scanned row `row`, as the application receives
    // them: red-green-blue, grey levels, or bits with 1 for white (the bits
    // after the last pixel white too); 0 in the padding.
    std::vector<uint8_t> ExpectedRow(uint32_t row, size_t bytesPerRow) const {
        std::vector<uint8_t> bytes(bytesPerRow, 0);
        const uint32_t y = block.top + row;
        const uint32_t width = uint32_t{block.right} - block.left;
        if (block.mode == 0 && width % 8 != 0) bytes[width / 8] = uint8_t(0xFF >> width % 8);
        for (uint32_t c = 0; c < width; ++c) {
            const uint32_t x = block.left + c;
            switch (block.mode) {
                case emu::kModeColour: {
                    const page::Rgb rgb = page::Colour(x, y, kDpi, kDpi);
                    bytes[3 * c] = rgb.red;
                    bytes[3 * c + 1] = rgb.green;
                    bytes[3 * c + 2] = rgb.blue;
                    break;
                }
                case emu::kModeGrey:
                    bytes[c] = page::Grey(x, y, kDpi, kDpi);
                    break;
                default:
                    if (!page::Black(x, y, kDpi, kDpi)) bytes[c / 8] |= uint8_t(0x80u >> (c % 8));
                    break;
            }
        }
        return bytes;
    }

    static void Append(Bytes& to, const std::vector<uint8_t>& bytes) {
        to.insert(to.end(), bytes.begin(), bytes.end());
    }

    FakeClock portClock;
    ScriptedSerialDevice port{portClock};
    SessionRig rig{port};
    ScanningSession& session = rig.session;
    FakeDialogView dialog;
    FakeProgressView progress;
    FakeSourceUi ui;
    FakeManager manager;
    GlobalMemoryTable appMemory;
    DataSource source{session, ui, manager, appMemory};
    TW_IDENTITY app{};
    ScanParameterBlock block;
};

}  // namespace z8::test
