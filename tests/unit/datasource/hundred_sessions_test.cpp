// A hundred sessions of one loaded source over the emulated scanner, as a
// long-lived application runs them: open, enable with and without the
// dialog, scan, transfer, end, disable, close. After each session the table
// of global blocks is empty; under the sanitizers, LeakSanitizer checks at
// exit that nothing else was lost.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/unit/datasource/emulated_source_rig.h"

namespace z8::test {
namespace {

constexpr int kSessions = 100;
constexpr TW_INT16 kWidth = 37, kHeight = 23;

enum class Mechanism { Native, Memory };
constexpr Mechanism kMechanisms[] = {Mechanism::Native, Mechanism::Memory};

class HundredSessions {
public:
    HundredSessions() {
        rig_.session.Settings().SetXResolutionDpi(128);  // pixel edges exact in inches
        rig_.session.Settings().SetYResolutionDpi(128);
        rig_.SelectArea(kWidth, kHeight);
        app_.Id = 12;
    }

    TW_UINT16 Call(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data) {
        return rig_.source.Entry(&app_, dg, dat, msg, data);
    }

    // Rows of the page transferred.
    uint32_t Transfer(Mechanism mechanism) {
        GlobalMemoryTable& memory = rig_.rig.memory;
        if (mechanism == Mechanism::Native) {
            TW_HANDLE dib = nullptr;
            EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &dib), TWRC_XFERDONE);
            const auto* header = static_cast<const uint8_t*>(memory.Lock(dib));
            int32_t height = 0;
            if (header != nullptr) std::memcpy(&height, header + 8, sizeof height);
            memory.Unlock(dib);
            memory.Free(dib);
            return static_cast<uint32_t>(height < 0 ? -height : height);
        }
        TW_SETUPMEMXFER setup{};
        EXPECT_EQ(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
        // Strips of two rows at most, into a block of the application's.
        const GlobalHandle strip = memory.Allocate(2 * setup.MinBufSize);
        uint32_t rows = 0;
        TW_UINT16 rc = TWRC_SUCCESS;
        for (int calls = 0; rc == TWRC_SUCCESS && calls <= kHeight; ++calls) {
            TW_IMAGEMEMXFER xfer{};
            xfer.Memory = {TWMF_APPOWNS | TWMF_HANDLE, 2 * setup.MinBufSize, strip};
            rc = Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
            rows += xfer.Rows;
        }
        EXPECT_EQ(rc, TWRC_XFERDONE);
        memory.Free(strip);
        return rows;
    }

    void Session(Mechanism mechanism, bool dialog) {
        TW_IDENTITY assigned{};
        assigned.Id = 3;
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned), TWRC_SUCCESS);
        TW_USERINTERFACE ui{};
        ui.ShowUI = dialog ? 1 : 0;
        ASSERT_EQ(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui), TWRC_SUCCESS);
        if (dialog) rig_.session.Scan();  // the user's click
        ASSERT_EQ(rig_.source.state.sourceState, 6);
        EXPECT_EQ(Transfer(mechanism), uint32_t{kHeight});
        TW_PENDINGXFERS pending{};
        ASSERT_EQ(Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending), TWRC_SUCCESS);
        EXPECT_EQ(pending.Count, 0);
        ASSERT_EQ(Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui), TWRC_SUCCESS);
        ASSERT_EQ(Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr), TWRC_SUCCESS);
        EXPECT_EQ(rig_.rig.memory.LiveBlocks(), 0u);
    }

    size_t PagesScanned() const { return rig_.port.PagesScanned(); }

private:
    EmulatedSourceRig rig_{emu::Script{}};
    TW_IDENTITY app_{};
};

TEST(HundredSessionsTest, EveryMechanismWithAndWithoutTheDialogLeavesNothingBehind) {
    HundredSessions sessions;
    for (int i = 0; i < kSessions; ++i) {
        const Mechanism mechanism = kMechanisms[i % std::size(kMechanisms)];
        const bool dialog = i / std::size(kMechanisms) % 2 == 1;
        SCOPED_TRACE(testing::Message() << "session " << i);
        sessions.Session(mechanism, dialog);
        if (testing::Test::HasFatalFailure()) return;
    }
    EXPECT_EQ(sessions.PagesScanned(), size_t{kSessions});
}

}  // namespace
}  // namespace z8::test
