#include "scanning/acquisition_run.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "device/scan_status.h"
#include "device/scanner_protocol.h"
#include "imaging/adjustments.h"
#include "resources/string_ids.h"
#include "scanning/adjustments_of.h"
#include "scanning/global_copy.h"

namespace z8 {
namespace {

// One second between two looks at a busy scanner; 30 looks at most.
constexpr uint32_t kWaitStepMs = 1000;
constexpr int kWaitStep = 100;
constexpr int kWaitLimit = 3000;
// Replies read after CMD_ABORT before giving up on its answer: far more
// frames than the line's buffers hold.
constexpr int kRepliesAfterAbort = 64;

bool IsFailureStatus(uint8_t status) {
    return status == SCAN_EN_COURS || status == SCAN_FIN_FEUILLE || status == 8 ||
           status > SCAN_PRECHAUFFAGE;
}

class Run {
public:
    Run(const AcquisitionContext& c, bool checkFirst)
        : c_(c),
          checkFirst_(checkFirst),
          ui_(c.settings.ShowUI() != 0 && c.views.dialog != nullptr),
          indicators_(c.settings.WantIndicators() && c.views.progress != nullptr) {}

    ScanResult Execute();

private:
    void Pump() {
        if (c_.views.dialog != nullptr) c_.pump.DispatchPending(c_.views.dialog->Window());
    }
    bool CancelClicked() const {
        return c_.views.progress != nullptr && c_.views.progress->CancelRequested();
    }
    void ShowProgress(bool visible) {
        if (c_.views.progress == nullptr) return;
        c_.views.progress->ShowProgress(visible);
        progressShown_ = visible;
    }
    void SetMessage(const std::string& text) {
        if (c_.views.progress != nullptr) c_.views.progress->SetMessage(text);
    }
    void SetProgress(int position) {
        if (c_.views.progress != nullptr) c_.views.progress->SetProgress(position);
    }
    void StopBusyTimer() {
        if (c_.views.dialog != nullptr) c_.views.dialog->StopBusyTimer();
    }
    std::string Text(unsigned id) const { return c_.strings.Load(id); }
    // A failure that leaves the scanner sending: stop it once the run ends.
    void FailAndStop() {
        result_ = kScanFailed;
        stopScanner_ = true;
    }

    void ReadinessCheck();
    void WarmUp();
    void SheetWait();
    void SendAndReceive();
    void Receive();
    bool Geometry(std::span<const uint8_t> payload);
    bool BandArrived(std::span<const uint8_t> payload);
    void EndOfPage(uint8_t status);
    void AcceptPage();
    void ShowPartial();
    void StopScanner();
    void CleanUp();
    void Finish();

    const AcquisitionContext& c_;
    const bool checkFirst_;
    const bool ui_;
    const bool indicators_;
    ScanResult result_ = kScanSucceeded;
    bool progressShown_ = false;
    bool stopScanner_ = false;
    std::vector<uint8_t> buffer_;
    GlobalHandle dib_ = nullptr;
    uint8_t* dibBase_ = nullptr;
    bool handedOver_ = false;
    PageLayout layout_;
    uint32_t lines_ = 0;
    uint64_t bytes_ = 0;
    uint16_t lastCode_ = 0;
};

ScanResult Run::Execute() {
    if (ui_) {
        c_.views.dialog->DisableControlsForScan(Text(res::kStrWarmingUp));
        c_.views.dialog->StartStopAnimation();
    }
    c_.job.abortRequested = 0;
    c_.job.sheetReady = 0;
    // Every run ends with its own page or none: the previous one goes now,
    // before the new one is allocated beside it.
    c_.job.acquired = AcquiredPage{};
    if (checkFirst_) ReadinessCheck();
    if (result_ == kScanSucceeded) {
        SendAndReceive();
        if (c_.job.abortRequested) result_ = kScanStopped;
        if (c_.job.abortRequested || stopScanner_) StopScanner();
    }
    CleanUp();
    Finish();
    return result_;
}

void Run::ReadinessCheck() {
    WarmUp();
    if (!c_.settings.WantIndicators() && progressShown_) ShowProgress(false);
    if (c_.settings.DocumentSource() == kSourceFeeder && c_.job.lastStatus != SCAN_FEUILLE_PRETE) {
        SheetWait();
    }
}

void Run::WarmUp() {
    const std::string text = Text(res::kStrCheckingScanner);
    for (int counter = 0;;) {
        Pump();
        if (c_.job.abortRequested) {
            result_ = kScanStopped;
            return;
        }
        if (ReadStatus(c_.link, c_.job.lastStatus) != 1) {
            result_ = kScanFailed;
            return;
        }
        const uint8_t status = c_.job.lastStatus;
        if (status != SCAN_BUSY && status != SCAN_PRECHAUFFAGE) {
            if (IsFailureStatus(status)) result_ = kScanFailed;
            return;
        }
        if (!progressShown_) {
            ShowProgress(true);
            SetMessage(text);
        }
        counter += kWaitStep;
        if (counter > kWaitLimit) {
            result_ = status;
            return;
        }
        SetProgress(counter / 30);
        c_.clock.Sleep(kWaitStepMs);
    }
}

void Run::SheetWait() {
    if (!progressShown_) ShowProgress(true);
    SetMessage(Text(res::kStrInsertDocument));
    for (int counter = 0;;) {
        Pump();
        if (CancelClicked()) {
            result_ = kScanStopped;
            break;
        }
        if (ReadStatus(c_.link, c_.job.lastStatus) != 1) {
            result_ = kScanFailed;
            break;
        }
        const uint8_t status = c_.job.lastStatus;
        if (status == SCAN_FEUILLE_PRETE) break;
        if (IsFailureStatus(status)) {
            result_ = kScanFailed;
            break;
        }
        counter += kWaitStep;
        if (counter > kWaitLimit) {
            result_ = status;
            break;
        }
        SetProgress(counter / 30);
        c_.clock.Sleep(kWaitStepMs);
    }
    if (!c_.settings.WantIndicators() && progressShown_) ShowProgress(false);
    SetMessage("");
}

void Run::SendAndReceive() {
    if (!SendParameters(c_.link, c_.job.scanParameters)) {
        result_ = kScanFailed;
        return;
    }
    c_.link.SetLongTimeouts();
    buffer_.resize(kReceiveBufferSize);
    Reply reply;
    if (ReadReply(c_.link, buffer_, reply) != kReplyOk) {
        FailAndStop();
        return;
    }
    if (reply.code == kReplyEndOfPage) {
        if (indicators_) ShowProgress(false);
        result_ = buffer_[0];
    } else if (reply.code != kReplyStarted) {
        FailAndStop();
    } else {
        Receive();
    }
}

void Run::Receive() {
    if (ui_) {
        c_.views.dialog->ShowStopButton();
        c_.views.dialog->SetProgressBar(0);
        c_.views.dialog->ShowProgressBar(true);
    }
    if (indicators_) {
        ShowProgress(true);
        SetMessage(Text(res::kStrWarmingUp));
    }
    if (c_.views.dialog != nullptr) c_.views.dialog->StartBusyTimer();
    lastCode_ = kReplyStarted;
    for (;;) {
        Pump();
        if (indicators_ && CancelClicked()) c_.job.abortRequested = 1;
        if (c_.job.abortRequested) return;
        Reply reply;
        if (ReadReply(c_.link, buffer_, reply) != kReplyOk) {
            FailAndStop();
            return;
        }
        const std::span<const uint8_t> payload(buffer_.data(), reply.length);
        switch (reply.code) {
            case kReplyGeometry:
                if (!Geometry(payload)) return;
                break;
            case kReplyBand:
                if (!BandArrived(payload)) return;
                break;
            case kReplyEndOfPage:
                EndOfPage(payload[0]);
                return;
            default:
                result_ = kScanFailed;
                break;
        }
    }
}

bool Run::Geometry(std::span<const uint8_t> payload) {
    // A second geometry in one page would need a second DIB: the page is
    // not what was asked.
    if (dib_ != nullptr) {
        FailAndStop();
        return false;
    }
    lastCode_ = kReplyGeometry;
    const ScanParameterBlock geometry = DecodeBlock(payload.first<kScanParameterBlockSize>());
    c_.settings.SetPixelFrameLeft(geometry.left);
    c_.settings.SetPixelFrameTop(geometry.top);
    c_.settings.SetPixelFrameRight(geometry.right);
    c_.settings.SetPixelFrameBottom(geometry.bottom);
    const auto kind = PixelKindOfMode(c_.job.scanParameters.mode);
    const auto layout =
        kind ? PlanPage(geometry, *kind, c_.job.previewScan != 0, c_.settings.XResolution().Whole,
                        c_.settings.YResolution().Whole)
             : std::nullopt;
    if (!layout) {
        FailAndStop();
        return false;
    }
    layout_ = *layout;
    c_.settings.SetLinePadding(
        static_cast<TW_UINT16>(layout_.bytesPerLine - layout_.pixelBytesPerRow));
    dib_ = c_.memory.Allocate(static_cast<size_t>(layout_.totalBytes));
    dibBase_ = dib_ != nullptr ? static_cast<uint8_t*>(c_.memory.Lock(dib_)) : nullptr;
    if (dibBase_ == nullptr) {
        FailAndStop();
        return false;
    }
    WriteDibHeader({dibBase_, static_cast<size_t>(layout_.totalBytes)}, layout_);
    return true;
}

bool Run::BandArrived(std::span<const uint8_t> payload) {
    if (lastCode_ != kReplyGeometry && lastCode_ != kReplyBand) {
        result_ = kScanFailed;
        return true;
    }
    if (bytes_ == 0) {
        StopBusyTimer();
        if (ui_) c_.views.dialog->ShowProgressBar(true);
    }
    bytes_ += payload.size() - 2;
    const int percent =
        static_cast<int>(std::min<uint64_t>(uint64_t{lines_} * 100 / layout_.height, 100));
    char text[128];
    std::snprintf(text, sizeof text, "%s %d %%", Text(res::kStrScanTransfer).c_str(), percent);
    if (ui_) {
        c_.views.dialog->SetProgressBar(percent);
        c_.views.dialog->SetStatus(text, text);
    }
    if (indicators_) {
        SetMessage(text);
        SetProgress(percent);
    }
    lastCode_ = kReplyBand;
    const auto band = ParseBand(payload);
    const std::span<uint8_t> pixels(dibBase_ + layout_.headerBytes,
                                    static_cast<size_t>(layout_.imageBytes));
    if (!band || !CopyBand(layout_, pixels, lines_, *band)) {
        FailAndStop();
        return false;
    }
    if (c_.job.previewScan && layout_.kind != PixelKind::BlackWhite) ShowPartial();
    lines_ += band->lineCount;
    return true;
}

void Run::EndOfPage(uint8_t status) {
    if (indicators_) ShowProgress(false);
    if (ui_) {
        c_.views.dialog->SetProgressBar(0);
        c_.views.dialog->SetStatus("", Text(res::kStrDialogTitle));
    }
    c_.job.sheetReady = 0;
    result_ = status;
    bool accepted = true;
    if (c_.settings.DocumentSource() == kSourceFeeder && status == SCAN_FEUILLE_PRETE) {
        c_.job.sheetReady = 1;
    } else if (status > SCAN_BUSY || status == SCAN_REPOS || status == SCAN_EN_COURS ||
               status == SCAN_ATTENTE_FEUILLE) {
        result_ = kScanFailed;
        accepted = false;
    }
    if (!accepted) return;
    // An end of page without a geometry has no picture: never a success.
    if (dib_ == nullptr) {
        c_.job.sheetReady = 0;
        FailAndStop();
        return;
    }
    AcceptPage();
}

void Run::AcceptPage() {
    if (c_.job.previewScan) {
        if (c_.views.preview != nullptr) {
            if (auto image = ImageFromCopy(c_.memory, dibBase_, layout_.totalBytes)) {
                c_.views.preview->SetPreviewImage(std::move(image));
            }
            c_.views.preview->ResetSelection();
            c_.views.preview->Invalidate();
        }
        return;
    }
    c_.job.acquired = AcquiredPage{};
    c_.memory.Unlock(dib_);
    dibBase_ = nullptr;
    auto image = Image::FromPackedDib(c_.memory, dib_);
    if (!image) {
        c_.memory.Free(dib_);
        dib_ = nullptr;
        if (c_.views.preview != nullptr) c_.views.preview->ResetSelection();
        c_.job.sheetReady = 0;
        result_ = kScanFailed;
        return;
    }
    handedOver_ = true;
    if (c_.views.dialog != nullptr) c_.views.dialog->SetWaitCursor(true);
    if (ui_) {
        const std::string processing = Text(res::kStrProcessing);
        c_.views.dialog->SetStatus(processing, processing);
    }
    ApplyScanAdjustments(*image, AdjustmentsOf(c_.settings));
    c_.job.acquired = AcquiredPage{std::move(image), layout_};
    ++c_.job.pagesAcquired;
    if (c_.views.dialog != nullptr) c_.views.dialog->SetWaitCursor(false);
    if (c_.views.preview != nullptr) c_.views.preview->ResetSelection();
}

void Run::ShowPartial() {
    if (c_.views.preview == nullptr) return;
    if (auto image = ImageFromCopy(c_.memory, dibBase_, layout_.totalBytes)) {
        c_.views.preview->SetPreviewImage(std::move(image));
        c_.views.preview->DrawPartial();
    }
}

void Run::StopScanner() {
    // The abort's answer is read with the normal time-outs: a scanner that
    // has gone away must not hold the run for the long ones. What the scanner
    // had already sent comes before that answer (a status reply, which no
    // page carries): read up to it, so the next run starts in step. A reply
    // out of step is drained until the line is quiet.
    c_.link.SetNormalTimeouts();
    if (!SendRequest(c_.link, CMD_ABORT)) return;
    for (int replies = 0; replies < kRepliesAfterAbort; ++replies) {
        Reply reply;
        const uint8_t read = ReadReply(c_.link, buffer_, reply);
        if (read == kReplyRefusedCode) c_.link.Discard(UINT32_MAX);
        if (read != kReplyOk || reply.code == kReplyStatus) return;
    }
}

void Run::CleanUp() {
    if (!handedOver_) {
        // A preview or a failed scan also drops the previous page.
        c_.job.acquired = AcquiredPage{};
        if (dib_ != nullptr) {
            if (dibBase_ != nullptr) c_.memory.Unlock(dib_);
            c_.memory.Free(dib_);
        }
    }
    dib_ = nullptr;
    dibBase_ = nullptr;
    if (indicators_) ShowProgress(false);
}

void Run::Finish() {
    StopBusyTimer();
    if (ui_) {
        c_.views.dialog->StopStopAnimation();
        ScanDialogView::Restore restore;
        restore.preview = c_.settings.DocumentSource() == kSourceFlatbed;
        restore.feeder = c_.settings.FeederAvailable();
        restore.flatbed = c_.settings.FlatbedAvailable();
        c_.views.dialog->RestoreControlsAfterScan(restore);
        c_.views.dialog->SetStatus("", Text(res::kStrDialogTitle));
    }
    if (const auto message = ResultMessage(result_, c_.strings)) ShowScanMessage(c_, *message);
    if (!c_.job.previewScan && checkFirst_ && c_.transferReady) c_.transferReady();
}

}  // namespace

ScanResult RunAcquisition(const AcquisitionContext& context, bool checkFirst) {
    Run run(context, checkFirst);
    return run.Execute();
}

std::optional<std::string> ResultMessage(ScanResult result, const StringTable& strings) {
    switch (result) {
        case kScanSucceeded:
        case SCAN_FIN_FEUILLE:
        case SCAN_FIN_DOC:
        case SCAN_FEUILLE_PRETE:
        case SCAN_ATTENTE_FEUILLE:
        case kScanStopped:
            return std::nullopt;
        case kScanFailed:
        case SCAN_FAX_ABORT:
            return strings.Load(res::kStrScannerFault);
        default: {
            char text[160];
            std::snprintf(text, sizeof text, "%s : code 0x%X",
                          strings.Load(res::kStrScannerFault).c_str(), unsigned{result});
            return std::string(text);
        }
    }
}

void ShowScanMessage(const AcquisitionContext& context, const std::string& text) {
    if (context.settings.ShowUI() != 0) {
        if (context.views.dialog != nullptr) context.views.dialog->ShowMessage(text);
    } else if (context.settings.WantIndicators() && context.views.progress != nullptr) {
        context.views.progress->ShowProgress(true);
        context.views.progress->SetMessage(text);
        context.clock.Sleep(5000);
        context.views.progress->ShowProgress(false);
    }
}

void AdvanceBusyBar(const AcquisitionContext& context) {
    ScanDialogView* dialog = context.views.dialog;
    if (dialog == nullptr) return;
    int position = dialog->ProgressBarPosition() + 1;
    if (position > 100) position = 0;
    dialog->SetProgressBar(position);
    if (context.settings.WantIndicators() && context.views.progress != nullptr) {
        context.views.progress->SetProgress(position);
    }
}

}  // namespace z8
