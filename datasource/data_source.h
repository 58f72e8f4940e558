#pragma once

#include "datasource/data_source_state.h"
#include "datasource/image_transfer.h"
#include "datasource/source_ui.h"
#include "platform/global_memory.h"
#include "scanning/scanning_session.h"
#include "twain/twain.h"

namespace z8 {

// The body of DS_Entry once the platform layer has decoded the call: the
// origin check, event routing, the condition-code rule, the state table, the
// identity, status, user-interface and capability triplets, and the
// transfers. Never throws.
class DataSource {
public:
    // Capability containers are made of `memory`, which the application frees;
    // its memory handles are locked there too. The session's final scans end
    // with NotifyTransferReady, and it scans only outside states 6 and 7.
    DataSource(ScanningSession& session, SourceUi& ui, ManagerLink& manager, GlobalMemory& memory);

    TW_UINT16 Entry(const TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                    TW_MEMREF data);

    // The final scan has ended: state 6 and MSG_XFERREADY to the manager.
    void NotifyTransferReady();
    // The user cancelled the dialog: MSG_CLOSEDSREQ, the state is unchanged.
    void NotifyCloseRequest();

    DataSourceState state;

private:
    TW_UINT16 Refuse(TW_UINT16 code);
    TW_UINT16 ProcessEvent(TW_MEMREF data);
    TW_UINT16 Dispatch(const TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                       TW_MEMREF data);
    TW_UINT16 Identity(const TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data);
    TW_UINT16 Status(TW_MEMREF data);
    TW_UINT16 EnableSource(TW_MEMREF data);
    TW_UINT16 DisableSource(TW_MEMREF data);
    TW_UINT16 HandleCapability(TW_UINT16 msg, TW_MEMREF data);

    ScanningSession& session_;
    SourceUi& ui_;
    ManagerLink& manager_;
    GlobalMemory& memory_;
    ImageTransfer transfer_;
};

}  // namespace z8
