#pragma once

#include "settings/scan_settings.h"
#include "twain/twain.h"

namespace z8 {

// What the TWAIN core needs from the scanning dialog, its settings and the
// progress thread. The Win32 build implements it with real windows; tests use
// a recording fake.
class SourceUi {
public:
    virtual ~SourceUi() = default;

    // The dialog's scan settings: the one CScanSettings of the source.
    virtual CScanSettings& Settings() = 0;

    // Offers an application window message to the dialog; true when the dialog
    // took it (the tool tips have then seen it too).
    virtual bool ProcessEvent(TW_MEMREF message) = 0;
    // Removes and dispatches every pending message of the dialog's window.
    virtual void DrainDialogMessages() = 0;

    virtual void CreateDialogWindow() = 0;
    virtual void StartMessageThread() = 0;
    // The dialog's OK command: opens the link and scans; reports to the user
    // when the link cannot be opened.
    virtual void RunScanCommand() = 0;
    // Show, restore, enlarge for large fonts, make topmost, raise.
    virtual void ShowDialog() = 0;
    virtual void HideDialog() = 0;
    // Asks the thread to quit and waits until it has ended.
    virtual void EndMessageThread() = 0;
    virtual void DestroyDialogWindow() = 0;
};

// The source's way back to the manager (DSM_Entry with DG_CONTROL/DAT_NULL).
class ManagerLink {
public:
    virtual ~ManagerLink() = default;
    virtual void Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) = 0;
};

}  // namespace z8
