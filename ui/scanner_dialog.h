#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/profile_store_win32.h"
#include "platform/win32/system_paths_win32.h"
#include "settings/profile_file.h"
#include "settings/scan_settings.h"
#include "ui/framework/dialog.h"

namespace z8::ui {

inline constexpr int kScannerDialogTemplate = 102;
inline constexpr int kFeederButton = 1032;

// The data source's scanning window (template 102). The object lives from
// load to unload and holds the scan settings; its window is created when the
// source is enabled and destroyed when it is disabled.
class CScannerDialog final : public Dialog {
public:
    // closeRequest: called when the user cancels the dialog, after the settings
    // were stored; the source then asks the application to close it.
    explicit CScannerDialog(std::function<void()> closeRequest);

    // The start-up work that must not run under the loader lock: applies the
    // default profile. Runs once, before the first triplet that needs it.
    void StartUp();

    CScanSettings& Settings() { return settings_; }
    HWND ToolTip() const { return toolTip_; }
    bool largeLayout = false;
    int profileIndex = kDefaultProfileIndex;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void CreateToolTips();

    std::function<void()> closeRequest_;
    Win32SystemPaths paths_;
    Win32ProfileStore store_;
    CScanSettings settings_;
    ProfileFile profiles_;
    bool started_ = false;
    HWND toolTip_ = nullptr;
};

}  // namespace z8::ui
