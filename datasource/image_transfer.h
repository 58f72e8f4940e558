#pragma once

#include <cstdint>

#include "datasource/data_source_state.h"
#include "datasource/file_transfer.h"
#include "datasource/source_ui.h"
#include "datasource/transfer_setup.h"
#include "platform/global_memory.h"
#include "scanning/scanning_session.h"
#include "twain/twain.h"

namespace z8 {

// The transfer triplets: what the application learns of the acquired page,
// the page itself as a DIB, in memory strips or as a file, and the end of
// each transfer, where the sheet feeder's next page is scanned. It moves the
// source's TWAIN state and sets its condition code on refusals.
class ImageTransfer {
public:
    // The application's memory handles (strips with TWMF_HANDLE) are locked
    // in `appMemory`; the save dialog of file transfers is the ui's.
    ImageTransfer(ScanningSession& session, SourceUi& ui, GlobalMemory& appMemory,
                  DataSourceState& state);

    // A transfer triplet that the state table accepted. Never throws.
    TW_UINT16 Answer(TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    // A new job (MSG_ENABLEDS, a final scan started by Scan): the pages that
    // CAP_XFERCOUNT limits are counted from 0 again.
    void StartJob();

private:
    // Where the memory transfer of the current page stands.
    struct Strips {
        uint32_t page = 0;  // the job's count of pages when they started
        uint32_t rowsSent = 0;
        uint64_t bytesSent = 0;
        bool done = false;
    };

    TW_UINT16 Refuse(TW_UINT16 code);
    TW_UINT16 Reply(const TripletAnswer& answer);
    TW_UINT16 PendingTransfers(TW_UINT16 msg, TW_MEMREF data);
    TW_UINT16 EndTransfer(TW_PENDINGXFERS& pending);
    bool ScanNextSheet();
    TW_UINT16 NativeTransfer(TW_MEMREF data);
    TW_UINT16 MemoryTransfer(TW_MEMREF data);
    void ShowStripProgress(const Image& image);
    void PageHandedOver();

    const Image* PendingPage() const;
    // The dialog when the user interface is shown; the progress window when
    // the indicators are wanted without it.
    ScanDialogView* ShownDialog() const;
    ProgressView* Indicators() const;

    ScanningSession& session_;
    GlobalMemory& appMemory_;
    DataSourceState& state_;
    FileTransfer file_;
    Strips strips_;
};

}  // namespace z8
