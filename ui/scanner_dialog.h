#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "device/serial_device_win32.h"
#include "device/serial_port.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/profile_store_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_paths_win32.h"
#include "settings/profile_file.h"
#include "settings/scan_settings.h"
#include "ui/framework/dialog.h"

namespace z8::ui {

class CMessageThread;

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

    // The start-up work that must not run under the loader lock: finds the
    // port, asks the scanner what it can do, applies the default profile.
    // Runs once, before the first triplet that needs it.
    void StartUp();

    // The OK command: opens the link and scans; reports when the link cannot
    // be opened.
    void Scan();
    // A message box with the interface shown, else the progress window for
    // five seconds when indicators are wanted, else nothing.
    void ShowScanMessage(const std::string& text);

    // The progress thread of the enabled source, or null.
    void SetMessageThread(CMessageThread* thread) { messageThread_ = thread; }

    CScanSettings& Settings() { return settings_; }
    HWND ToolTip() const { return toolTip_; }
    bool largeLayout = false;
    int profileIndex = kDefaultProfileIndex;
    uint8_t previewScan = 0;
    uint8_t lastStatus = 0;

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
    Win32SerialDevice serialDevice_;
    Win32Registry registry_;
    Win32MessagePump pump_;
    CSerialPort serialLink_;
    CMessageThread* messageThread_ = nullptr;
    bool started_ = false;
    HWND toolTip_ = nullptr;
};

}  // namespace z8::ui
