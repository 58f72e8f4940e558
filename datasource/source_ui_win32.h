#pragma once

#include <memory>

#include "datasource/source_ui.h"
#include "ui/message_thread.h"
#include "ui/scanner_dialog.h"

namespace z8 {

// The dialog side of the source with real windows: the scanning dialog and
// the progress thread.
class Win32SourceUi final : public SourceUi {
public:
    explicit Win32SourceUi(ui::CScannerDialog& dialog) : dialog_(dialog) {}
    ~Win32SourceUi() override;

    CScanSettings& Settings() override { return dialog_.Settings(); }
    bool ProcessEvent(TW_MEMREF message) override;
    void DrainDialogMessages() override;
    void CreateDialogWindow() override;
    void StartMessageThread() override;
    void RunScanCommand() override;
    void ShowDialog() override;
    void HideDialog() override;
    void EndMessageThread() override;
    void DestroyDialogWindow() override;

    ui::CMessageThread* MessageThread() { return thread_.get(); }

private:
    ui::CScannerDialog& dialog_;
    std::unique_ptr<ui::CMessageThread> thread_;
};

}  // namespace z8
