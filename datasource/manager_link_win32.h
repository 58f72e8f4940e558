#pragma once

#include "datasource/source_ui.h"

namespace z8 {

// Loads the manager (Windows directory + "twain_32.dll", else by the normal
// search) for each message and calls its DSM_Entry; when neither can be had
// nothing is sent.
class Win32ManagerLink final : public ManagerLink {
public:
    void Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) override;
};

}  // namespace z8
