#pragma once

#include <string>

#include "datasource/data_source_state.h"
#include "datasource/file_formats.h"
#include "datasource/source_ui.h"
#include "scanning/scanning_session.h"
#include "twain/twain.h"

namespace z8 {

// DAT_IMAGEFILEXFER: the acquired page as a file. The application that
// presents itself as "Lumeto Application" lets its user choose the file and
// its type in the save dialog; any other gets the file DAT_SETUPFILEXFER
// named, in its format, a relative name being taken in the source's own
// folder under the Windows directory. No failure leaves a partial file or
// touches a file already there. Refusals set the condition code; the state
// is the caller's.
class FileTransfer {
public:
    FileTransfer(ScanningSession& session, SourceUi& ui, DataSourceState& state);

    // The page waiting in state 7, written. TWRC_XFERDONE also when the user
    // cancels the save dialog; TWRC_CANCEL without a page.
    TW_UINT16 Transfer();

private:
    TW_UINT16 Refuse(TW_UINT16 code);
    TW_UINT16 ToRequestedFile(AcquiredPage& page);
    TW_UINT16 WithSaveDialog(AcquiredPage& page);
    SaveFileRequest SaveDialogRequest(bool blackAndWhite) const;
    std::string RequestedPath() const;
    bool Write(AcquiredPage& page, FileFormat format, const std::string& path);

    ScanningSession& session_;
    SourceUi& ui_;
    DataSourceState& state_;
};

}  // namespace z8
