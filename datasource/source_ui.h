#pragma once

#include <string>

#include "platform/message_pump.h"
#include "twain/twain.h"

namespace z8 {

// What the system's save-file dialog is asked to show: modal to the owner,
// the filter of description and pattern pairs (each zero-ended, an empty
// string last) with the given entry chosen, an empty file name, the folder it
// starts in, its title and the extension it adds to a name typed without
// one. It asks itself before an existing file is chosen, and leaves the
// process's current directory as it was.
struct SaveFileRequest {
    WindowHandle owner = nullptr;
    std::string filter;
    unsigned filterIndex = 1;
    std::string initialFolder;
    std::string title;
    std::string defaultExtension;
};

// How the dialog ended: a file chosen (its full name and the filter entry
// chosen with it), cancelled by the user, or failed (the dialog could not be
// shown or its buffers could not hold the name).
struct SaveFileAnswer {
    enum class Outcome { Chosen, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    std::string path;
    unsigned filterIndex = 0;
};

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

    // The save-file dialog, run to its end.
    virtual SaveFileAnswer AskSaveFile(const SaveFileRequest& request) = 0;
    // True when nothing is at path, or the user agrees to replace it when
    // asked in a message box of the dialog's owner and title.
    virtual bool ConfirmReplace(const SaveFileRequest& request, const std::string& path) = 0;
};

// The source's way back to the manager (DSM_Entry with DG_CONTROL/DAT_NULL).
class ManagerLink {
public:
    virtual ~ManagerLink() = default;
    virtual void Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) = 0;
};

}  // namespace z8
