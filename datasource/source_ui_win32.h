#pragma once

#include <memory>

#include "datasource/source_ui.h"
#include "scanning/scanning_session.h"
#include "ui/message_thread.h"
#include "ui/scanner_dialog.h"

namespace z8 {

// The dialog side of the source with real windows: the scanning dialog and
// the progress thread.
class Win32SourceUi final : public SourceUi {
public:
    Win32SourceUi(ui::CScannerDialog& dialog, ScanningSession& session)
        : dialog_(dialog), session_(session) {}
    ~Win32SourceUi() override;

    bool ProcessEvent(TW_MEMREF message) override;
    void DrainDialogMessages() override;
    bool CreateDialogWindow() override;
    bool StartMessageThread() override;
    void ShowDialog() override;
    void HideDialog() override;
    void EndMessageThread() override;
    void DestroyDialogWindow() override;
    SaveFileAnswer AskSaveFile(const SaveFileRequest& request) override;
    bool ConfirmReplace(const SaveFileRequest& request, const std::string& path) override;

private:
    ui::CScannerDialog& dialog_;
    ScanningSession& session_;
    std::unique_ptr<ui::CMessageThread> thread_;
};

}  // namespace z8
