// Memory transfers through DataSource's entry: whole pages of every pixel
// type in strips of every size, pointer and handle buffers, refusals that
// lose nothing, and what the dialog and the progress window show.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/datasource/transfer_rig.h"

namespace z8 {
namespace {

using Calls = std::vector<std::string>;

class MemoryTransferTest : public test::TransferTest {
protected:
    TW_SETUPMEMXFER MemorySetup() {
        TW_SETUPMEMXFER setup{};
        EXPECT_EQ(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
        return setup;
    }
    // One DAT_IMAGEMEMXFER call into `buffer` (a pointer, or a handle of the
    // application's memory).
    TW_UINT16 Strip(TW_IMAGEMEMXFER& xfer, TW_UINT32 flags, void* buffer, TW_UINT32 length) {
        xfer = TW_IMAGEMEMXFER{};
        xfer.Memory.Flags = TWMF_APPOWNS | flags;
        xfer.Memory.Length = length;
        xfer.Memory.TheMem = buffer;
        return Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
    }
    // Strips of `length` bytes until TWRC_XFERDONE, each checked; the rows
    // received, top first.
    std::vector<std::vector<uint8_t>> Transfer(TW_UINT32 length, bool handle) {
        std::vector<std::vector<uint8_t>> rows;
        std::vector<uint8_t> plain(length);
        const GlobalHandle block = appMemory.Allocate(length);
        for (TW_UINT16 rc = TWRC_SUCCESS; rc == TWRC_SUCCESS;) {
            TW_IMAGEMEMXFER xfer;
            rc = handle ? Strip(xfer, TWMF_HANDLE, block, length)
                        : Strip(xfer, TWMF_POINTER, plain.data(), length);
            EXPECT_TRUE(rc == TWRC_SUCCESS || rc == TWRC_XFERDONE) << rc;
            EXPECT_EQ(xfer.Compression, TWCP_NONE);
            EXPECT_EQ(TW_UINT32{xfer.Columns}, TW_UINT32{kWidth});
            EXPECT_EQ(TW_UINT32{xfer.YOffset}, rows.size());
            EXPECT_EQ(TW_UINT32{xfer.BytesWritten}, xfer.BytesPerRow * xfer.Rows);
            EXPECT_GT(TW_UINT32{xfer.Rows}, 0u);
            EXPECT_EQ(appMemory.LockCount(block), 0u) << "the handle is unlocked again";
            const auto* data =
                handle ? static_cast<const uint8_t*>(appMemory.Lock(block)) : plain.data();
            for (TW_UINT32 r = 0; r < xfer.Rows; ++r) {
                const uint8_t* row = data + size_t{r} * xfer.BytesPerRow;
                rows.emplace_back(row, row + xfer.BytesPerRow);
            }
            if (handle) appMemory.Unlock(block);
            if (rows.size() > size_t{kHeight}) break;
        }
        appMemory.Free(block);
        return rows;
    }
};

TEST_F(MemoryTransferTest, StripsOfEverySizeDeliverThePagePixelForPixel) {
    struct Case {
        TW_UINT16 pixelType;
        TW_UINT32 line;  // bytes per row, padding included
        TW_UINT16 bits, samples;
    };
    const Case types[] = {{TWPT_RGB, 40, 24, 3}, {TWPT_GRAY, 16, 8, 1}, {TWPT_BW, 4, 1, 1}};
    for (const Case& type : types) {
        for (int size = 0; size < 4; ++size) {
            const bool handle = size % 2 == 1;
            SCOPED_TRACE("pixel type " + std::to_string(type.pixelType) + ", strip size " +
                         std::to_string(size) + (handle ? ", handle" : ", pointer"));
            ScanWithoutInterface(type.pixelType);
            const TW_SETUPMEMXFER setup = MemorySetup();
            EXPECT_EQ(TW_UINT32{setup.MinBufSize}, type.line);
            EXPECT_EQ(TW_UINT32{setup.MaxBufSize}, 0x100000u);
            EXPECT_EQ(TW_UINT32{setup.Preferred}, 65535u);
            TW_IMAGEINFO info{};
            ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_SUCCESS);
            EXPECT_EQ(TW_INT32{info.ImageWidth}, kWidth);
            EXPECT_EQ(TW_INT32{info.ImageLength}, kHeight);
            EXPECT_EQ(info.BitsPerPixel, type.bits);
            EXPECT_EQ(info.SamplesPerPixel, type.samples);
            EXPECT_EQ(info.PixelType, type.pixelType);
            EXPECT_EQ(info.XResolution.Whole, kDpi);
            EXPECT_EQ(info.YResolution.Whole, kDpi);

            // One row, two rows and a byte, exactly Preferred, the whole page.
            const TW_UINT32 lengths[] = {setup.MinBufSize, 2 * type.line + 1, setup.Preferred,
                                         type.line * kHeight};
            const auto rows = Transfer(lengths[size], handle);
            ASSERT_EQ(rows.size(), size_t{kHeight});
            for (uint32_t r = 0; r < rows.size(); ++r)
                EXPECT_EQ(rows[r], ExpectedRow(r, type.line)) << "row " << r;

            // Once every row is sent, nothing more.
            TW_IMAGEMEMXFER xfer;
            std::vector<uint8_t> spare(type.line);
            EXPECT_EQ(Strip(xfer, TWMF_POINTER, spare.data(), type.line), TWRC_XFERDONE);
            EXPECT_EQ(TW_UINT32{xfer.Rows}, 0u);
            EXPECT_EQ(TW_UINT32{xfer.BytesWritten}, 0u);
            EXPECT_EQ(Pending(MSG_ENDXFER), 0);
            DisableAndClose();
        }
    }
}

TEST_F(MemoryTransferTest, BuffersThatCannotTakeAStripAreRefusedAndNothingIsWritten) {
    ScanWithoutInterface(TWPT_RGB);
    const TW_UINT32 line = MemorySetup().MinBufSize;
    const GlobalHandle small = appMemory.Allocate(line);
    const GlobalHandle freed = appMemory.Allocate(line);
    appMemory.Free(freed);
    std::vector<uint8_t> plain(2 * line, 0x5A);
    struct Case {
        const char* name;
        TW_UINT32 flags;
        void* buffer;
        TW_UINT32 length;
    };
    const Case cases[] = {
        {"null pointer", TWMF_POINTER, nullptr, line},
        {"null handle", TWMF_HANDLE, nullptr, line},
        {"a handle that does not lock", TWMF_HANDLE, freed, line},
        {"a handle smaller than its length", TWMF_HANDLE, small, 2 * line},
        {"shorter than a row", TWMF_POINTER, plain.data(), line - 1},
        {"over 1 MiB", TWMF_POINTER, plain.data(), 0x100001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TW_IMAGEMEMXFER xfer;
        EXPECT_EQ(Strip(xfer, c.flags, c.buffer, c.length), TWRC_FAILURE);
        EXPECT_EQ(Status(), TWCC_BADVALUE);
        EXPECT_EQ(State(), 7);
        EXPECT_TRUE(std::all_of(plain.begin(), plain.end(), [](uint8_t b) { return b == 0x5A; }));
    }
    EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, nullptr), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BADVALUE);
    EXPECT_EQ(appMemory.LockCount(small), 0u);
    appMemory.Free(small);

    // The retry with a proper buffer starts at the first row.
    TW_IMAGEMEMXFER xfer;
    EXPECT_EQ(Strip(xfer, TWMF_POINTER, plain.data(), line), TWRC_SUCCESS);
    EXPECT_EQ(TW_UINT32{xfer.YOffset}, 0u);
    EXPECT_EQ(std::vector<uint8_t>(plain.begin(), plain.begin() + line), ExpectedRow(0, line));
}

TEST_F(MemoryTransferTest, AnEndedTransferDeliversNothingAndAnotherPageStartsAtItsFirstRow) {
    ScanWithoutInterface(TWPT_GRAY);
    const TW_UINT32 line = MemorySetup().MinBufSize;
    std::vector<uint8_t> buffer(line);
    TW_IMAGEMEMXFER xfer;
    ASSERT_EQ(Strip(xfer, TWMF_POINTER, buffer.data(), line), TWRC_SUCCESS);
    ASSERT_EQ(Strip(xfer, TWMF_POINTER, buffer.data(), line), TWRC_SUCCESS);
    EXPECT_EQ(TW_UINT32{xfer.YOffset}, 1u);
    // MSG_ENDXFER in the middle of the page: the rest is dropped.
    ASSERT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(State(), 5);
    EXPECT_EQ(Strip(xfer, TWMF_POINTER, buffer.data(), line), TWRC_XFERDONE);
    EXPECT_EQ(TW_UINT32{xfer.BytesWritten}, 0u);
    // Another page (one row of 5 pixels) is delivered from its first row,
    // with its own geometry.
    AcquiredPage& page = session.Job().acquired;
    page.image = Image::Create(rig.memory, 5, 1, 8);
    page.layout.bottomUp = false;
    ++session.Job().pagesAcquired;
    EXPECT_EQ(Strip(xfer, TWMF_POINTER, buffer.data(), line), TWRC_XFERDONE);
    EXPECT_EQ(TW_UINT32{xfer.YOffset}, 0u);
    EXPECT_EQ(TW_UINT32{xfer.Rows}, 1u);
    EXPECT_EQ(TW_UINT32{xfer.BytesPerRow}, 8u);
    EXPECT_EQ(TW_UINT32{xfer.Columns}, 5u);
}

TEST_F(MemoryTransferTest, TheDialogShowsTheTransferAndGoesOutOfTheWayAfterTheLastStrip) {
    session.Settings().SetPixelType(TWPT_GRAY);
    Open();
    ASSERT_EQ(Enable(1), TWRC_SUCCESS);
    ScriptScan(0);
    session.Scan();  // the user's click
    ASSERT_EQ(State(), 6);
    dialog.calls.clear();
    rig.pump.dispatches.clear();
    // Three strips of three, three and one rows.
    std::vector<uint8_t> buffer(48);
    TW_IMAGEMEMXFER xfer;
    while (Strip(xfer, TWMF_POINTER, buffer.data(), 48) == TWRC_SUCCESS) {
    }
    EXPECT_EQ(dialog.calls, (Calls{"bar-shown", "bar:42", "status:|Transfert 42 %", "bar:85",
                                   "status:|Transfert 85 %", "scan-button", "minimise", "bar:100",
                                   "status:|Transfert 100 %"}));
    EXPECT_EQ(rig.pump.dispatches[dialog.window], 3) << "the dialog lives between strips";
    dialog.calls.clear();
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(dialog.calls, (Calls{"bar-hidden", "bar:0", "status:|VARUR UZ Edazi 1.0"}));
}

TEST_F(MemoryTransferTest, WithoutTheDialogTheProgressWindowShowsTheTransfer) {
    ScanWithoutInterface(TWPT_GRAY);
    progress.calls.clear();
    std::vector<uint8_t> buffer(16 * 4);
    TW_IMAGEMEMXFER xfer;
    while (Strip(xfer, TWMF_POINTER, buffer.data(), 64) == TWRC_SUCCESS) {
    }
    EXPECT_EQ(progress.calls, (Calls{"show", "text:Transfert 57 %", "at:57", "hide",
                                     "text:Transfert 100 %", "at:100"}));
    EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "minimise"), 0);
}

}  // namespace
}  // namespace z8
