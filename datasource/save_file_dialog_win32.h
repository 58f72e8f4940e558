#pragma once

#include <string>

#include "datasource/source_ui.h"
#include "platform/string_table.h"

namespace z8 {

// The system's save-file dialog (GetSaveFileNameA) with the request's
// settings, OFN_OVERWRITEPROMPT and OFN_NOCHANGEDIR; a failure is an error the
// dialog reports, not a cancel.
SaveFileAnswer RunSaveFileDialog(const SaveFileRequest& request);

// Asks with text 183 of the strings, the name put in, whether the file at path
// may be replaced; true without asking when there is none.
bool ConfirmFileReplace(const SaveFileRequest& request, const std::string& path,
                        const StringTable& strings);

}  // namespace z8
