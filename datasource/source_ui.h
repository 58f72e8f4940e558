#pragma once

#include "twain/twain.h"

namespace z8 {

// What the TWAIN core needs from the scanning dialog's window and the
// progress thread. The Win32 build implements it with real windows; tests use
// a recording fake.
class SourceUi {
public:
    virtual ~SourceUi() = default;

    // Offers an application window message to the dialog; true when the dialog
    // took it (the tool tips have then seen it too).
    virtual bool ProcessEvent(TW_MEMREF message) = 0;
    // Removes and dispatches every pending message of the dialog's window.
    virtual void DrainDialogMessages() = 0;

    // False when the window or the thread cannot be had.
    virtual bool CreateDialogWindow() = 0;
    virtual bool StartMessageThread() = 0;
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
