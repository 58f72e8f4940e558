// The triplets that describe the page and the native transfer, through
// DataSource's entry: answers by state, refusals that change nothing, the
// page described and delivered as it was scanned.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "datasource/row_swap.h"
#include "device/scan_status.h"
#include "imaging/dib_format.h"
#include "tests/unit/datasource/transfer_rig.h"

namespace z8 {
namespace {

class TransferTripletsTest : public test::TransferTest {};

TEST_F(TransferTripletsTest, RefusalsByStateMessageAndMissingRecordChangeNothing) {
    struct Case {
        int state;
        TW_UINT32 dg;
        TW_UINT16 dat, msg;
        bool withData;
        TW_UINT16 code;
    };
    const Case cases[] = {
        {5, DG_IMAGE, DAT_IMAGEINFO, MSG_GET, true, TWCC_SEQERROR},
        {5, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, true, TWCC_SEQERROR},
        {7, DG_IMAGE, DAT_PALETTE8, MSG_GET, true, TWCC_SEQERROR},
        {6, DG_IMAGE, DAT_PALETTE8, MSG_GETCURRENT, true, TWCC_BADPROTOCOL},
        {5, DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, true, TWCC_SEQERROR},
        {4, DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETFIRST, true, TWCC_BADPROTOCOL},
        {7, DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, true, TWCC_SEQERROR},
        {4, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, true, TWCC_SEQERROR},
        {4, DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, true, TWCC_SEQERROR},
        {6, DG_CONTROL, DAT_PENDINGXFERS, MSG_SET, true, TWCC_BADPROTOCOL},
        {7, DG_CONTROL, DAT_XFERGROUP, MSG_GET, true, TWCC_SEQERROR},
        {6, DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, false, TWCC_BADVALUE},
        {6, DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, false, TWCC_BADVALUE},
        {6, DG_IMAGE, DAT_IMAGEINFO, MSG_GET, false, TWCC_BADVALUE},
        {6, DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, false, TWCC_BADVALUE},
        {4, DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, false, TWCC_BADVALUE},
        {4, DG_IMAGE, DAT_PALETTE8, MSG_GET, false, TWCC_BADVALUE},
        {4, DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, false, TWCC_BADVALUE},
        {4, DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, false, TWCC_BADVALUE},
        {5, DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, true, TWCC_SEQERROR},
        {7, DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, true, TWCC_SEQERROR},
        {6, DG_IMAGE, DAT_IMAGEFILEXFER, MSG_SET, true, TWCC_BADPROTOCOL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dat) + "/" + std::to_string(c.msg) + " in state " +
                     std::to_string(c.state));
        source.state.sourceState = c.state;
        std::array<uint8_t, 1100> record;
        record.fill(0x77);
        EXPECT_EQ(Call(c.dg, c.dat, c.msg, c.withData ? record.data() : nullptr), TWRC_FAILURE);
        EXPECT_EQ(Status(), c.code);
        EXPECT_EQ(State(), c.state);
        EXPECT_EQ(record[0], 0x77);
    }
}

TEST_F(TransferTripletsTest, SetupAnswersBeforeAnyScan) {
    Open();
    // The bed in state 4, whatever the selected area.
    TW_IMAGELAYOUT layout{};
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout), TWRC_SUCCESS);
    const TW_IMAGELAYOUT bed = session.Settings().GetPhysicalLayout();
    EXPECT_EQ(std::memcmp(&layout, &bed, sizeof layout), 0);
    // Any frame is stored as given, and read back as the current one.
    TW_IMAGELAYOUT wanted{};
    wanted.Frame.Right = TW_FIX32{2, 0};
    wanted.Frame.Bottom = TW_FIX32{1, 32768};
    wanted.PageNumber = 3;
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &wanted), TWRC_SUCCESS);
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETCURRENT, &layout), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&layout, &wanted, sizeof layout), 0);
    // A line of that frame: 2 inches at 128 dpi in grey, no padding.
    session.Settings().SetPixelType(TWPT_GRAY);
    TW_SETUPMEMXFER setup{};
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    EXPECT_EQ(TW_UINT32{setup.MinBufSize}, 256u);
    EXPECT_EQ(TW_UINT32{setup.Preferred}, 65535u);
    // An empty frame divides nothing.
    session.Settings().SetRightPixels(0);
    session.Settings().SetLeftPixels(0);
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    EXPECT_EQ(TW_UINT32{setup.MinBufSize}, 0u);

    TW_UINT32 group = 0;
    for (TW_UINT16 msg : {MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_RESET}) {
        group = 0;
        ASSERT_EQ(Call(DG_CONTROL, DAT_XFERGROUP, msg, &group), TWRC_SUCCESS);
        EXPECT_EQ(group, DG_IMAGE);
    }
    EXPECT_EQ(Call(DG_CONTROL, DAT_XFERGROUP, MSG_SET, &group), TWRC_SUCCESS);

    // File name and format: set, read back, default again.
    TW_SETUPFILEXFER file{};
    std::strcpy(file.FileName, "C:\\scans\\page.tif");
    file.Format = TWFF_TIFF;
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &file), TWRC_SUCCESS);
    TW_SETUPFILEXFER read;
    std::memset(&read, 0x33, sizeof read);
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETCURRENT, &read), TWRC_SUCCESS);
    EXPECT_STREQ(read.FileName, "C:\\scans\\page.tif");
    EXPECT_EQ(read.Format, TWFF_TIFF);
    EXPECT_EQ(read.VRefNum, 0);
    file.Format = TWFF_JFIF;  // not a format of ours: the name is taken, the format kept
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &file), TWRC_SUCCESS);
    EXPECT_EQ(session.Settings().ImageFileFormat(), TWFF_TIFF);
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, &read), TWRC_SUCCESS);
    EXPECT_EQ(std::string(read.FileName), rig.folder.path() + "\\sample.bmp");
    EXPECT_EQ(read.Format, TWFF_BMP);
}

TEST_F(TransferTripletsTest, PaletteByPixelType) {
    Open();
    struct Case {
        TW_UINT16 pixelType;
        bool written;
        TW_UINT16 paletteType;
    };
    for (const Case& c : {Case{TWPT_BW, false, 0}, Case{TWPT_GRAY, true, TWPA_GRAY},
                          Case{TWPT_PALETTE, true, TWPA_GRAY}, Case{TWPT_RGB, true, TWPA_RGB}}) {
        session.Settings().SetPixelType(c.pixelType);
        TW_PALETTE8 palette;
        std::memset(&palette, 0x11, sizeof palette);
        ASSERT_EQ(Call(DG_IMAGE, DAT_PALETTE8, MSG_GET, &palette), TWRC_SUCCESS);
        if (!c.written) {
            EXPECT_EQ(palette.NumColors, 0x1111);
            continue;
        }
        EXPECT_EQ(palette.NumColors, 256);
        EXPECT_EQ(palette.PaletteType, c.paletteType);
        EXPECT_EQ(palette.Colors[200].Index, 200);
        EXPECT_EQ(palette.Colors[200].Channel3, 200);
    }
    for (TW_UINT16 msg : {MSG_GETDEFAULT, MSG_SET, MSG_RESET})
        EXPECT_EQ(Call(DG_IMAGE, DAT_PALETTE8, msg, nullptr), TWRC_SUCCESS);
}

TEST_F(TransferTripletsTest, ThePageIsDescribedAsScannedInStatesSixAndSevenWhateverTheSettings) {
    ScanWithoutInterface(TWPT_RGB);
    TW_IMAGEINFO six;
    std::memset(&six, 0, sizeof six);
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &six), TWRC_SUCCESS);
    // The application changes its mind after the scan.
    CScanSettings& s = session.Settings();
    s.SetPixelType(TWPT_BW);
    s.SetXResolutionDpi(300);
    s.SetRightPixels(kLeft + 100);
    TW_SETUPMEMXFER setup{};
    ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup), TWRC_SUCCESS);
    EXPECT_EQ(TW_UINT32{setup.MinBufSize}, 40u) << "the scanned page's padded line";
    TW_PALETTE8 palette{};
    ASSERT_EQ(Call(DG_IMAGE, DAT_PALETTE8, MSG_GET, &palette), TWRC_SUCCESS);
    EXPECT_EQ(palette.PaletteType, TWPA_RGB);
    std::vector<uint8_t> line(40);
    TW_IMAGEMEMXFER xfer{};
    xfer.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, 40, line.data()};
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_SUCCESS);
    EXPECT_EQ(line, ExpectedRow(0, 40));
    ASSERT_EQ(State(), 7);
    TW_IMAGEINFO seven;
    std::memset(&seven, 0xFF, sizeof seven);
    ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &seven), TWRC_SUCCESS);
    EXPECT_EQ(std::memcmp(&six, &seven, sizeof six), 0);
    EXPECT_EQ(TW_INT32{six.ImageWidth}, kWidth);
    EXPECT_EQ(six.BitsPerPixel, 24);
    EXPECT_EQ(six.PixelType, TWPT_RGB);
    EXPECT_EQ(six.XResolution.Whole, kDpi);
    EXPECT_EQ(six.BitsPerSample[2], 8);
    EXPECT_EQ(six.Planar, 0);
}

TEST_F(TransferTripletsTest, NativeTransferHandsOverAWholeHandleToABottomUpDib) {
    for (TW_UINT16 pixelType : {TWPT_RGB, TWPT_GRAY, TWPT_BW}) {
        SCOPED_TRACE(pixelType);
        ScanWithoutInterface(pixelType);
        // A pointer-sized handle, nothing written past it.
        std::array<uint8_t, sizeof(TW_HANDLE) + 4> out;
        out.fill(0xA5);
        ASSERT_EQ(Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, out.data()), TWRC_XFERDONE);
        EXPECT_EQ(State(), 7);
        EXPECT_EQ(out[sizeof(TW_HANDLE)], 0xA5);
        TW_HANDLE handle;
        std::memcpy(&handle, out.data(), sizeof handle);
        const auto* dib = static_cast<const uint8_t*>(rig.memory.Lock(handle));
        ASSERT_NE(dib, nullptr);
        const int32_t height = ReadLe32(dib + 8);
        const uint16_t bits = ReadLe16(dib + 14);
        const size_t line = PaddedRowBytes(kWidth, bits);
        EXPECT_EQ(height, kHeight);
        const uint8_t* pixels = dib + 40 + 4 * FullPaletteEntries(bits);
        for (int32_t r = 0; r < height; ++r) {
            // DIB rows: the last scanned first; colour as blue, green, red.
            std::vector<uint8_t> row(pixels + (height - 1 - r) * line,
                                     pixels + (height - r) * line);
            if (bits == 24) CopyRowSwappingRedAndBlue(std::vector(row).data(), row.data(), line);
            EXPECT_EQ(row, ExpectedRow(r, line)) << "row " << r;
        }
        rig.memory.Unlock(handle);
        rig.memory.Free(handle);
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        DisableAndClose();
    }
}

TEST_F(TransferTripletsTest, AFailedScanLeavesNothingToTransfer) {
    Open();
    port.Expect(test::frames::kStatus, test::frames::StatusReply(SCAN_ERREUR_CAPOT));
    ASSERT_EQ(Enable(0), TWRC_SUCCESS);
    ASSERT_EQ(State(), 6) << "the application is woken all the same";
    TW_IMAGEINFO info;
    std::memset(&info, 0x5A, sizeof info);
    EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info), TWRC_CANCEL);
    EXPECT_EQ(Status(), TWCC_BUMMER);
    EXPECT_EQ(TW_INT32{info.ImageWidth}, 0);
    TW_IMAGEMEMXFER xfer{};
    EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer), TWRC_CANCEL);
    TW_HANDLE handle = nullptr;
    EXPECT_EQ(Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle), TWRC_CANCEL);
    EXPECT_EQ(State(), 7);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(State(), 5);
}

}  // namespace
}  // namespace z8
