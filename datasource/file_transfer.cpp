#include "datasource/file_transfer.h"

#include "datasource/transfer_setup.h"
#include "imaging/image_file.h"
#include "imaging/mirror.h"
#include "platform/path_parts.h"

namespace z8 {
namespace {

// Where the source lives, below the Windows directory.
constexpr char kSourceFolder[] = "twain_32\\z8twain";
constexpr char kSaveDialogTitle[] = "Save Image";
constexpr char kSaveDialogExtension[] = "bmp";
// Where the save dialog starts when the user has no documents folder.
constexpr char kFallbackFolder[] = "c:\\";

bool IsBlackAndWhite(const AcquiredPage& page) {
    return page.image->BitCount() == 1;
}

}  // namespace

FileTransfer::FileTransfer(ScanningSession& session, SourceUi& ui, DataSourceState& state)
    : session_(session), ui_(ui), state_(state) {}

TW_UINT16 FileTransfer::Refuse(TW_UINT16 code) {
    state_.conditionCode = code;
    return TWRC_FAILURE;
}

TW_UINT16 FileTransfer::Transfer() {
    AcquiredPage& page = session_.Job().acquired;
    if (page.image == nullptr) return TWRC_CANCEL;
    return state_.lumetoCaller ? WithSaveDialog(page) : ToRequestedFile(page);
}

TW_UINT16 FileTransfer::ToRequestedFile(AcquiredPage& page) {
    // A format without a file of the page's kind is refused before anything
    // is turned or written.
    const auto format =
        RequestedFormat(session_.Settings().ImageFileFormat(), IsBlackAndWhite(page));
    if (!format) return Refuse(TWCC_BADVALUE);
    const bool written = Write(page, *format, RequestedPath());
    if (ScanDialogView* dialog = session_.Views().dialog) dialog->ShowScanButton();
    return written ? TWRC_XFERDONE : Refuse(TWCC_BUMMER);
}

std::string FileTransfer::RequestedPath() const {
    // Joined rather than made current: the current directory belongs to the
    // whole process, and a name reaches past any fixed buffer.
    const std::string folder =
        JoinPath(session_.Platform().paths.WindowsDirectory(), kSourceFolder);
    return JoinPath(folder, session_.Settings().FileName());
}

TW_UINT16 FileTransfer::WithSaveDialog(AcquiredPage& page) {
    const bool blackAndWhite = IsBlackAndWhite(page);
    const SaveFileRequest request = SaveDialogRequest(blackAndWhite);
    for (;;) {
        const SaveFileAnswer answer = ui_.AskSaveFile(request);
        if (answer.outcome == SaveFileAnswer::Outcome::Cancelled) return TWRC_XFERDONE;
        const auto format = ChosenFormat(answer.filterIndex, blackAndWhite);
        if (answer.outcome == SaveFileAnswer::Outcome::Failed || !format) {
            return Refuse(TWCC_BUMMER);
        }
        const std::string path = WithFormatExtension(answer.path, ExtensionOf(*format));
        // The dialog asked about the name it gave; the file really written is
        // asked about here, and a no goes back to the dialog.
        if (!SameWord(path, answer.path) && !ui_.ConfirmReplace(request, path)) continue;
        return Write(page, *format, path) ? TWRC_XFERDONE : Refuse(TWCC_BUMMER);
    }
}

SaveFileRequest FileTransfer::SaveDialogRequest(bool blackAndWhite) const {
    const ScanningPlatform& platform = session_.Platform();
    SaveFileRequest request;
    if (const ScanDialogView* dialog = session_.Views().dialog) request.owner = dialog->Window();
    request.filter = SaveDialogFilter(platform.strings, blackAndWhite);
    request.filterIndex = 1;
    request.initialFolder = platform.paths.DocumentsFolder();
    if (request.initialFolder.empty()) request.initialFolder = kFallbackFolder;
    request.title = kSaveDialogTitle;
    request.defaultExtension = kSaveDialogExtension;
    return request;
}

bool FileTransfer::Write(AcquiredPage& page, FileFormat format, const std::string& path) {
    Image& image = *page.image;
    const ImageHeader header = image.Header();
    const WriteOptions options = MakeWriteOptions(
        OptionsOf(format, WholeDpi(header.xPelsPerMeter), WholeDpi(header.yPelsPerMeter)));
    // A page kept in scan order is turned over for the file and back again,
    // so that a retry or another mechanism finds it as it was.
    const bool turn = !page.layout.bottomUp;
    if (turn) Mirror(image, true, false);
    const bool written = WriteImageFile(path, TypeNameOf(format), image, options);
    if (turn) Mirror(image, true, false);
    return written;
}

}  // namespace z8
