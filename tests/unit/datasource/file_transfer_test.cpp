// File transfers: the formats and their options, the save dialog's filter
// and name rewrite, and whole transfers through DataSource's entry that
// write real files, checked against the emulator's page pattern.
#include <gtest/gtest.h>

#include <filesystem>

#include "datasource/file_formats.h"
#include "datasource/page_delivery.h"
#include "device/scan_status.h"
#include "platform/path_parts.h"
#include "tests/unit/datasource/transfer_rig.h"

namespace z8 {
namespace {

// The formats' own options are read back from real files by the Wine test of
// files (tiffinfo, identify); here only what the page's header leaves out.
TEST(FileFormats, AResolutionLeftOutIsTheImagesOwn) {
    const WriteOptions tiff = MakeWriteOptions(OptionsOf(FileFormat::Tiff, 0, 72));
    EXPECT_TRUE(tiff.Has("TIFF_XRES"));
    EXPECT_EQ(tiff.Value("TIFF_XRES"), std::nullopt);
    EXPECT_EQ(tiff.Value("TIFF_YRES"), "72");
    EXPECT_EQ(tiff.Value("COMPRESS"), "OFF");
}

TEST(FileFormats, RequestedFormatsAndFilterEntriesFollowThePage) {
    const struct {
        TW_UINT16 requested;
        std::optional<FileFormat> blackAndWhite, others;
    } requests[] = {
        {TWFF_TIFF, FileFormat::Tiff, FileFormat::Tiff},
        {TWFF_PICT, std::nullopt, std::nullopt},
        {TWFF_BMP, FileFormat::Bmp, FileFormat::Bmp},
        {TWFF_XBM, std::nullopt, std::nullopt},
        {TWFF_JFIF, std::nullopt, FileFormat::JpegHigh},
        {TWFF_TIFFMULTI, std::nullopt, std::nullopt},
    };
    for (const auto& r : requests) {
        SCOPED_TRACE(r.requested);
        EXPECT_EQ(RequestedFormat(r.requested, true), r.blackAndWhite);
        EXPECT_EQ(RequestedFormat(r.requested, false), r.others);
    }

    const struct {
        unsigned index;
        std::optional<FileFormat> blackAndWhite, others;
    } chosen[] = {
        {0, std::nullopt, std::nullopt},
        {1, FileFormat::Bmp, FileFormat::Bmp},
        {2, FileFormat::Tiff, FileFormat::Tiff},
        {3, FileFormat::PackBitsTiff, FileFormat::JpegLow},
        {4, std::nullopt, FileFormat::JpegMedium},
        {5, std::nullopt, FileFormat::JpegHigh},
        {6, std::nullopt, std::nullopt},
    };
    for (const auto& c : chosen) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(ChosenFormat(c.index, true), c.blackAndWhite);
        EXPECT_EQ(ChosenFormat(c.index, false), c.others);
    }

    test::FakeStringTable strings({{171, "Format Bitmap (*.BMP)"},
                                   {172, "*.bmp"},
                                   {173, "Format JPEG - Qualité Basse (*.JPG)"},
                                   {174, "Format JPEG - Qualité Moyenne (*.JPG)"},
                                   {175, "Format JPEG - Qualité Haute (*.JPG)"},
                                   {176, "Format TIFF (*.TIF)"},
                                   {178, "*.jpg"},
                                   {179, "*.tif"}});
    using namespace std::string_literals;
    // Black and white: see TheSaveDialogOffersTheTypesOfThePage.
    EXPECT_EQ(SaveDialogFilter(strings, false),
              "Format Bitmap (*.BMP)\0*.bmp\0Format TIFF (*.TIF)\0*.tif\0"
              "Format JPEG - Qualité Basse (*.JPG)\0*.jpg\0"
              "Format JPEG - Qualité Moyenne (*.JPG)\0*.jpg\0"
              "Format JPEG - Qualité Haute (*.JPG)\0*.jpg\0\0"s);
    // A text too long for its buffer is cut, never run past.
    test::FakeStringTable longText({{171, std::string(300, 'd')}});
    EXPECT_EQ(SaveDialogFilter(longText, true).substr(0, 256), std::string(255, 'd') + '\0');
}

TEST(FileFormats, TheChosenNameTakesTheFormatsExtensionWithinItsOwnPart) {
    const struct {
        const char* chosen;
        const char* extension;
        const char* written;
    } cases[] = {
        {"C:\\scans\\scan.bmp", ".jpg", "C:\\scans\\scan.jpg"},
        {"C:\\scans\\scan.jpeg", ".bmp", "C:\\scans\\scan..bmp"},
        {"C:\\scans\\photo.JPG", ".jpg", "C:\\scans\\photo.jpg"},
        {"C:\\scans\\abcde", ".tif", "C:\\scans\\a.tif"},
        {"C:\\scans\\a.b", ".bmp", "C:\\scans\\a.b.bmp"},
        {"C:\\scans\\abcd", ".tif", "C:\\scans\\abcd.tif"},
        {"C:\\a.b\\x", ".jpg", "C:\\a.b\\x.jpg"},
        {"D:abc", ".bmp", "D:abc.bmp"},
        {"/tmp/scans/page.tif", ".tif", "/tmp/scans/page.tif"},
        {"", ".bmp", ".bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(WithFormatExtension(c.chosen, c.extension), c.written);
    }
}

// The rows of a BMP file, top first, colour as red-green-blue, padding
// included; empty when it is no BMP of ours.
std::vector<std::vector<uint8_t>> BmpRows(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return {};
    auto number = [&](size_t at) {
        uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);
        return value;
    };
    const uint32_t offset = number(10), width = number(18), height = number(22);
    const uint32_t bits = static_cast<uint8_t>(bytes[28]);
    const size_t line = (size_t{width} * bits + 31) / 32 * 4;
    if (bytes.size() != offset + line * height) return {};
    std::vector<std::vector<uint8_t>> rows;
    for (uint32_t r = 0; r < height; ++r) {
        const auto* from =
            reinterpret_cast<const uint8_t*>(bytes.data()) + offset + size_t{height - 1 - r} * line;
        std::vector<uint8_t> row(from, from + line);
        if (bits == 24) {
            for (size_t x = 0; x + 2 < 3 * size_t{width}; x += 3)
                std::swap(row[x], row[x + 2]);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

class FileTransferTest : public test::TransferTest {
protected:
    ~FileTransferTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(ScansFolder(), ignored);
    }

    // A folder below the one relative names are taken in (outside the
    // temporary folder natively, where a backslash separates nothing).
    std::string ScansFolder() const {
        return JoinPath(JoinPath(rig.paths.WindowsDirectory(), "twain_32\\z8twain"), "scans");
    }
    void Setup(const std::string& name, TW_UINT16 format) {
        TW_SETUPFILEXFER setup{};
        std::strncpy(setup.FileName, name.c_str(), sizeof setup.FileName - 1);
        setup.Format = format;
        ASSERT_EQ(Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup), TWRC_SUCCESS);
    }
    TW_UINT16 FileTransfer() { return Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr); }
    // The page's pattern as the application would receive it, top first.
    void ExpectPattern(const std::string& path) {
        const auto rows = BmpRows(path);
        ASSERT_EQ(rows.size(), size_t{kHeight}) << path;
        for (uint32_t r = 0; r < rows.size(); ++r)
            EXPECT_EQ(rows[r], ExpectedRow(r, rows[r].size())) << "row " << r;
    }
    void OpenAsLumeto() { std::strcpy(app.ProductName, "Lumeto Application"); }
};

TEST_F(FileTransferTest, TheRequestedFileIsWrittenForEveryPixelType) {
    for (const TW_UINT16 pixelType : {TWPT_BW, TWPT_GRAY, TWPT_RGB}) {
        SCOPED_TRACE(pixelType);
        ScanWithoutInterface(pixelType);
        const std::string bmp = rig.folder.File("page-" + std::to_string(pixelType) + ".tif");
        // The default format whatever the name says.
        Setup(bmp, TWFF_BMP);
        dialog.calls.clear();
        EXPECT_EQ(FileTransfer(), TWRC_XFERDONE);
        EXPECT_EQ(State(), 7);
        EXPECT_EQ(dialog.calls, std::vector<std::string>{"scan-button"});
        ExpectPattern(bmp);
        // The page was turned for the file only: the memory strips that
        // follow are the same rows.
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        source.state.sourceState = 6;
        const std::string again = rig.folder.File("again.bmp");
        Setup(again, TWFF_BMP);
        EXPECT_EQ(FileTransfer(), TWRC_XFERDONE);
        EXPECT_EQ(test::ReadFile(again), test::ReadFile(bmp));

        source.state.sourceState = 6;
        const std::string tiff = rig.folder.File("page.tif");
        Setup(tiff, TWFF_TIFF);
        EXPECT_EQ(FileTransfer(), TWRC_XFERDONE);
        EXPECT_EQ(test::ReadFile(tiff).substr(0, 4), std::string("II*\0", 4));
        EXPECT_EQ(Pending(MSG_ENDXFER), 0);
        DisableAndClose();
    }
}

TEST_F(FileTransferTest, ARelativeNameIsTakenInTheSourcesFolder) {
    ScanWithoutInterface(TWPT_GRAY);
    // The folder's own separator, so that the name is relative here too.
    Setup("scans/relative.bmp", TWFF_BMP);
    const std::string folder = ScansFolder();
    const std::string path = folder + "/relative.bmp";
    // A missing folder: a failure that writes nothing, the source usable.
    EXPECT_EQ(FileTransfer(), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BUMMER);
    EXPECT_EQ(State(), 7);
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(State(), 5);

    std::filesystem::create_directories(folder);
    source.state.sourceState = 6;
    EXPECT_EQ(FileTransfer(), TWRC_XFERDONE);
    ExpectPattern(path);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(FileTransferTest, AFailedWriteLeavesTheFileThereAsItWas) {
    ScanWithoutInterface(TWPT_RGB);
    const std::string path = rig.folder.File("kept.bmp");
    test::WriteFile(path, "what was there");
    // The partial file cannot be made beside it.
    std::filesystem::create_directory(path + ".z8part");
    Setup(path, TWFF_TIFF);
    EXPECT_EQ(FileTransfer(), TWRC_FAILURE);
    EXPECT_EQ(Status(), TWCC_BUMMER);
    EXPECT_EQ(test::ReadFile(path), "what was there");
    EXPECT_EQ(State(), 7);
}

TEST_F(FileTransferTest, AFormatWithoutAFileIsRefusedBeforeAnythingIsWritten) {
    ScanWithoutInterface(TWPT_BW);
    const GlobalHandle before = ExportPageDib(session.Job().acquired);
    for (const TW_UINT16 format : {TWFF_PICT, TWFF_XBM}) {
        SCOPED_TRACE(format);
        source.state.sourceState = 6;
        const std::string path = rig.folder.File("refused.bmp");
        Setup(path, format);
        dialog.calls.clear();
        EXPECT_EQ(FileTransfer(), TWRC_FAILURE);
        EXPECT_EQ(Status(), TWCC_BADVALUE);
        EXPECT_EQ(State(), 7);
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(dialog.calls.empty());
    }
    // Not turned over either.
    const GlobalHandle after = ExportPageDib(session.Job().acquired);
    GlobalMemory& memory = session.Job().acquired.image->Memory();
    ASSERT_EQ(memory.Size(before), memory.Size(after));
    EXPECT_EQ(std::memcmp(memory.Lock(before), memory.Lock(after), memory.Size(before)), 0);
    memory.Unlock(before);
    memory.Unlock(after);
    memory.Free(before);
    memory.Free(after);
    EXPECT_EQ(Pending(MSG_ENDXFER), 0);
    EXPECT_EQ(State(), 5);
}

TEST_F(FileTransferTest, WithoutAPageThereIsNothingToWrite) {
    OpenAsLumeto();
    Open();
    port.Expect(test::frames::kStatus, test::frames::StatusReply(SCAN_ERREUR_CAPOT));
    ASSERT_EQ(Enable(0), TWRC_SUCCESS);
    ASSERT_EQ(State(), 6);
    EXPECT_EQ(FileTransfer(), TWRC_CANCEL);
    EXPECT_EQ(State(), 7);
    EXPECT_TRUE(ui.saveRequests.empty());
}

TEST_F(FileTransferTest, TheSaveDialogOffersTheTypesOfThePage) {
    OpenAsLumeto();
    rig.strings = test::FakeStringTable(
        {{171, "BMP"}, {172, "*.bmp"}, {176, "TIFF"}, {177, "TIFF PackBits"}, {179, "*.tif"}});
    ScanWithoutInterface(TWPT_BW);
    EXPECT_EQ(FileTransfer(), TWRC_XFERDONE) << "cancelled";
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    const SaveFileRequest& request = ui.saveRequests[0];
    EXPECT_EQ(request.owner, dialog.Window());
    using namespace std::string_literals;
    EXPECT_EQ(request.filter, "BMP\0*.bmp\0TIFF\0*.tif\0TIFF PackBits\0*.tif\0\0"s);
    EXPECT_EQ(request.filterIndex, 1u);
    EXPECT_EQ(request.initialFolder, "c:\\") << "no documents folder";
    EXPECT_EQ(request.title, "Save Image");
    EXPECT_EQ(request.defaultExtension, "bmp");
    EXPECT_EQ(State(), 7);
}

TEST_F(FileTransferTest, TheSaveDialogsChoiceIsWrittenAndAnOverwriteAskedAbout) {
    using Outcome = SaveFileAnswer::Outcome;
    const std::string scanBmp = rig.folder.File("scan.bmp");
    const std::string scanJpg = rig.folder.File("scan.jpg");
    const std::string photoJpg = rig.folder.File("photo.jpg");
    const struct {
        const char* what;
        std::vector<SaveFileAnswer> answers;
        bool replace;
        TW_UINT16 rc, cc;
        std::vector<std::string> asks;  // what ConfirmReplace was asked about
        std::string written;            // the file written, or none
    } cases[] = {
        {"typed scan, chose JPEG high",
         {{Outcome::Chosen, scanBmp, 5}},
         true,
         TWRC_XFERDONE,
         TWCC_SUCCESS,
         {"ConfirmReplace " + scanJpg},
         scanJpg},
        {"chose BMP: the name the dialog asked about",
         {{Outcome::Chosen, scanBmp, 1}},
         true,
         TWRC_XFERDONE,
         TWCC_SUCCESS,
         {},
         scanBmp},
        {"no to the other name: the dialog again, then cancelled",
         {{Outcome::Chosen, rig.folder.File("photo.bmp"), 3}},
         false,
         TWRC_XFERDONE,
         TWCC_SUCCESS,
         {"ConfirmReplace " + photoJpg},
         ""},
        {"the dialog failed", {{Outcome::Failed, "", 0}}, true, TWRC_FAILURE, TWCC_BUMMER, {}, ""},
        {"an entry the dialog did not offer",
         {{Outcome::Chosen, scanBmp, 6}},
         true,
         TWRC_FAILURE,
         TWCC_BUMMER,
         {},
         ""},
        {"a folder that is not there",
         {{Outcome::Chosen, rig.folder.File("no/scan.bmp"), 2}},
         true,
         TWRC_FAILURE,
         TWCC_BUMMER,
         {"ConfirmReplace " + rig.folder.File("no/scan.tif")},
         ""},
    };
    OpenAsLumeto();
    ScanWithoutInterface(TWPT_GRAY);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(rig.folder.path() + "/");
        std::filesystem::create_directory(rig.folder.path());
        source.state.sourceState = 6;
        ui.saveAnswers.assign(c.answers.begin(), c.answers.end());
        ui.saveRequests.clear();
        ui.calls.clear();
        ui.replaceAgreed = c.replace;
        EXPECT_EQ(FileTransfer(), c.rc);
        EXPECT_EQ(Status(), c.cc);
        EXPECT_EQ(State(), 7);
        std::vector<std::string> asks;
        for (const std::string& call : ui.calls)
            if (call.rfind("ConfirmReplace", 0) == 0) asks.push_back(call);
        EXPECT_EQ(asks, c.asks);
        const auto files = std::distance(std::filesystem::directory_iterator(rig.folder.path()),
                                         std::filesystem::directory_iterator());
        EXPECT_EQ(files, c.written.empty() ? 0 : 1);
        if (!c.written.empty()) {
            EXPECT_TRUE(std::filesystem::exists(c.written));
        }
    }
    // The grey page in BMP, the right way up.
    source.state.sourceState = 6;
    ui.saveAnswers = {{Outcome::Chosen, scanBmp, 1}};
    ASSERT_EQ(FileTransfer(), TWRC_XFERDONE);
    ExpectPattern(scanBmp);
    EXPECT_EQ(test::ReadFile(scanJpg).size(), 0u);
    source.state.sourceState = 6;
    ui.saveAnswers = {{Outcome::Chosen, scanBmp, 4}};
    ASSERT_EQ(FileTransfer(), TWRC_XFERDONE);
    EXPECT_EQ(test::ReadFile(scanJpg).substr(0, 2), "\xFF\xD8");
}

}  // namespace
}  // namespace z8
