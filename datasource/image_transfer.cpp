#include "datasource/image_transfer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "datasource/page_delivery.h"
#include "resources/string_ids.h"

namespace z8 {
namespace {

constexpr TW_UINT32 kMaxStripBytes = 0x100000;

// The application's buffer for one strip: a plain address, or a handle of
// global memory locked for the call. Null when it cannot hold `bytes`.
class StripBuffer {
public:
    StripBuffer(GlobalMemory& memory, const TW_MEMORY& block, size_t bytes) : memory_(memory) {
        if (block.TheMem == nullptr) return;
        if ((block.Flags & TWMF_HANDLE) == 0) {
            address_ = static_cast<uint8_t*>(block.TheMem);
            return;
        }
        handle_ = block.TheMem;
        address_ = static_cast<uint8_t*>(memory_.Lock(handle_));
        if (address_ == nullptr) {
            handle_ = nullptr;
        } else if (memory_.Size(handle_) < bytes) {
            address_ = nullptr;
        }
    }
    ~StripBuffer() {
        if (handle_ != nullptr) memory_.Unlock(handle_);
    }
    StripBuffer(const StripBuffer&) = delete;
    StripBuffer& operator=(const StripBuffer&) = delete;

    uint8_t* Address() const { return address_; }

private:
    GlobalMemory& memory_;
    GlobalHandle handle_ = nullptr;
    uint8_t* address_ = nullptr;
};

}  // namespace

ImageTransfer::ImageTransfer(ScanningSession& session, GlobalMemory& appMemory,
                             DataSourceState& state)
    : session_(session), appMemory_(appMemory), state_(state) {}

void ImageTransfer::StartJob() {
    session_.Settings().SetPagesTransferred(0);
}

TW_UINT16 ImageTransfer::Refuse(TW_UINT16 code) {
    state_.conditionCode = code;
    return TWRC_FAILURE;
}

TW_UINT16 ImageTransfer::Reply(const TripletAnswer& answer) {
    if (answer.cc != TWCC_SUCCESS) state_.conditionCode = answer.cc;
    return answer.rc;
}

const Image* ImageTransfer::PendingPage() const {
    return state_.sourceState >= 6 ? session_.Job().acquired.image.get() : nullptr;
}

ScanDialogView* ImageTransfer::ShownDialog() const {
    return session_.Settings().ShowUI() != 0 ? session_.Views().dialog : nullptr;
}

ProgressView* ImageTransfer::Indicators() const {
    return session_.Settings().WantIndicators() ? session_.Views().progress : nullptr;
}

TW_UINT16 ImageTransfer::Answer(TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    const SetupContext setup{session_.Settings(), session_.Platform().paths, PendingPage()};
    switch (dat) {
        case DAT_PENDINGXFERS:
            return PendingTransfers(msg, data);
        case DAT_SETUPMEMXFER:
            return Reply(SetupMemoryTransfer(setup, data));
        case DAT_SETUPFILEXFER:
            return Reply(SetupFileTransfer(setup, msg, data));
        case DAT_XFERGROUP:
            return Reply(TransferGroup(msg, data));
        case DAT_PALETTE8:
            return Reply(Palette(setup, msg, data));
        case DAT_IMAGEINFO:
            return Reply(ImageInformation(setup, data));
        case DAT_IMAGELAYOUT:
            return Reply(ImageLayout(setup, msg, data));
        case DAT_IMAGENATIVEXFER:
            return NativeTransfer(data);
        case DAT_IMAGEMEMXFER:
            return MemoryTransfer(data);
        default:
            // DAT_IMAGEFILEXFER: accepted in its state and refused, as this
            // source writes no files; the application stays in state 6 and can
            // fetch the page by another mechanism.
            return Refuse(TWCC_BADPROTOCOL);
    }
}

TW_UINT16 ImageTransfer::PendingTransfers(TW_UINT16 msg, TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    TW_PENDINGXFERS pending;
    std::memcpy(&pending, data, sizeof pending);
    TW_UINT16 rc = TWRC_SUCCESS;
    switch (msg) {
        case MSG_GET:
            pending.Count = 1;
            break;
        case MSG_ENDXFER:
            rc = EndTransfer(pending);
            break;
        default:  // MSG_RESET: the cycle ends at once, the rest of a page is dropped
            state_.sourceState = 5;
            strips_.done = true;
            pending.Count = 0;
            break;
    }
    std::memcpy(data, &pending, sizeof pending);
    return rc;
}

TW_UINT16 ImageTransfer::EndTransfer(TW_PENDINGXFERS& pending) {
    CScanSettings& settings = session_.Settings();
    state_.sourceState = 6;
    strips_.done = true;
    if (settings.PagesTransferred() < INT16_MAX) {
        settings.SetPagesTransferred(static_cast<TW_INT16>(settings.PagesTransferred() + 1));
    }
    const bool wanted =
        settings.XferCount() == -1 || settings.PagesTransferred() < settings.XferCount();
    const bool more = settings.DocumentSource() == kSourceFeeder && session_.Job().sheetReady &&
                      wanted && ScanNextSheet();
    if (ScanDialogView* dialog = ShownDialog()) {
        dialog->ShowProgressBar(false);
        dialog->SetProgressBar(0);
        dialog->SetStatus("", session_.Platform().strings.Load(res::kStrDialogTitle));
    }
    if (!more) state_.sourceState = 5;
    pending.Count = more ? 1 : 0;
    return TWRC_SUCCESS;
}

bool ImageTransfer::ScanNextSheet() {
    if (ScanDialogView* dialog = ShownDialog()) dialog->RestoreWindow();
    CSerialPort& link = session_.Link();
    if (!link.Open()) return false;
    session_.RunAcquisition(false);
    link.Close();
    // Only a page scanned just now is another transfer: a failed or stopped
    // scan has left none.
    return session_.Job().acquired.image != nullptr;
}

void ImageTransfer::PageHandedOver() {
    if (ScanDialogView* dialog = ShownDialog()) {
        dialog->ShowScanButton();
        dialog->MinimiseWindow();
    }
}

TW_UINT16 ImageTransfer::NativeTransfer(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    state_.sourceState = 7;
    const AcquiredPage& page = session_.Job().acquired;
    if (page.image == nullptr) return TWRC_CANCEL;
    const GlobalHandle dib = ExportPageDib(page);
    if (dib == nullptr) return Refuse(TWCC_LOWMEMORY);
    // A whole handle: pointer-sized on 64 bits.
    const TW_HANDLE handle = dib;
    std::memcpy(data, &handle, sizeof handle);
    PageHandedOver();
    return TWRC_XFERDONE;
}

TW_UINT16 ImageTransfer::MemoryTransfer(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    const AcquiredPage& page = session_.Job().acquired;
    if (page.image == nullptr) return TWRC_CANCEL;
    TW_IMAGEMEMXFER xfer;
    std::memcpy(&xfer, data, sizeof xfer);
    const uint32_t current = session_.Job().pagesAcquired;
    if (state_.sourceState == 6) {
        state_.sourceState = 7;
        strips_ = Strips{current};
        if (ScanDialogView* dialog = ShownDialog()) dialog->ShowProgressBar(true);
        if (ProgressView* progress = Indicators()) progress->ShowProgress(true);
    } else if (strips_.page != current) {
        strips_ = Strips{current};
    }
    if (strips_.done) {
        xfer.Compression = TWCP_NONE;
        xfer.Rows = 0;
        xfer.BytesWritten = 0;
        std::memcpy(data, &xfer, sizeof xfer);
        return TWRC_XFERDONE;
    }
    const Image& image = *page.image;
    const auto line = static_cast<uint32_t>(image.BytesPerLine());
    if (line == 0 || xfer.Memory.Length < line || xfer.Memory.Length > kMaxStripBytes) {
        return Refuse(TWCC_BADVALUE);
    }
    const StripBuffer buffer(appMemory_, xfer.Memory, xfer.Memory.Length);
    if (buffer.Address() == nullptr) return Refuse(TWCC_BADVALUE);

    const auto height = static_cast<uint32_t>(image.Height());
    const uint32_t rows = std::min(xfer.Memory.Length / line, height - strips_.rowsSent);
    CopyStrip(page, strips_.rowsSent, rows, buffer.Address());
    xfer.Compression = TWCP_NONE;
    xfer.BytesPerRow = line;
    xfer.Columns = static_cast<TW_UINT32>(image.Width());
    xfer.Rows = rows;
    xfer.XOffset = 0;
    xfer.YOffset = strips_.rowsSent;
    xfer.BytesWritten = rows * line;
    std::memcpy(data, &xfer, sizeof xfer);

    strips_.rowsSent += rows;
    strips_.bytesSent += xfer.BytesWritten;
    const bool last = strips_.rowsSent == height;
    if (last) {
        strips_.done = true;
        PageHandedOver();
        if (ProgressView* progress = Indicators()) progress->ShowProgress(false);
    }
    ShowStripProgress(image);
    return last ? TWRC_XFERDONE : TWRC_SUCCESS;
}

void ImageTransfer::ShowStripProgress(const Image& image) {
    ScanDialogView* dialog = ShownDialog();
    ProgressView* progress = Indicators();
    if (dialog == nullptr && progress == nullptr) return;
    const uint64_t total = uint64_t{image.BytesPerLine()} * static_cast<uint64_t>(image.Height());
    const auto percent = static_cast<int>(
        total == 0 ? 100 : std::min<uint64_t>(strips_.bytesSent * 100 / total, 100));
    char text[160];
    std::snprintf(text, sizeof text, "%s %d %%",
                  session_.Platform().strings.Load(res::kStrTransfer).c_str(), percent);
    if (dialog != nullptr) {
        dialog->SetProgressBar(percent);
        dialog->SetStatus("", text);
        // The dialog stays alive between strips; its Scan and Preview are
        // held while the transfer goes on.
        session_.Platform().pump.DispatchPending(dialog->Window());
    }
    if (progress != nullptr) {
        progress->SetMessage(text);
        progress->SetProgress(percent);
    }
}

}  // namespace z8
