#pragma once

#include <windows.h>

#include <functional>

#include "ui/framework/dialog.h"

namespace z8::ui {

inline constexpr int kScannerDialogTemplate = 102;
inline constexpr int kFeederButton = 1032;

// The data source's scanning window (template 102): created when the source
// is enabled, destroyed when it is disabled.
class CScannerDialog final : public Dialog {
public:
    // Called when the user cancels the dialog: the source asks the
    // application to close it.
    explicit CScannerDialog(std::function<void()> closeRequest)
        : closeRequest_(std::move(closeRequest)) {}

    HWND ToolTip() const { return toolTip_; }
    bool largeLayout = false;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void CreateToolTips();

    std::function<void()> closeRequest_;
    HWND toolTip_ = nullptr;
};

}  // namespace z8::ui
