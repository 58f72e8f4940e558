#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "imaging/image.h"
#include "scanning/scan_views.h"
#include "scanning/scanning_session.h"
#include "ui/framework/dialog.h"

namespace z8::ui {

// The data source's scanning window (template 102): a view of the scanning
// session, which holds the settings and runs the scans. The object lives from
// load to unload; its window from MSG_ENABLEDS to MSG_DISABLEDS.
class CScannerDialog final : public Dialog, public ScanDialogView, public PreviewSink {
public:
    // closeRequest: called when the user cancels the dialog, after the settings
    // were stored; the source then asks the application to close it.
    CScannerDialog(ScanningSession& session, std::function<void()> closeRequest);

    HWND ToolTip() const { return toolTip_; }
    bool largeLayout = false;

    // ScanDialogView
    WindowHandle Window() const override { return hwnd(); }
    void DisableControlsForScan(const std::string& statusText) override;
    void RestoreControlsAfterScan(const Restore& restore) override;
    void SetStatus(const std::string& status, const std::string& caption) override;
    void ShowStopButton() override;
    void StartStopAnimation() override {}
    void StopStopAnimation() override {}
    void ShowProgressBar(bool visible) override;
    int ProgressBarPosition() const override;
    void SetProgressBar(int position) override;
    void StartBusyTimer() override;
    void StopBusyTimer() override;
    void ShowMessage(const std::string& text) override;
    void SetWaitCursor(bool waiting) override;

    // PreviewSink
    void SetPreviewImage(std::unique_ptr<Image> image) override {
        previewImage_ = std::move(image);
    }
    void ResetSelection() override {}
    void DrawPartial() override;
    void Invalidate() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void CreateToolTips();
    void Enable(int id, bool enabled) { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
    void Show(int id, bool visible) { ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE); }
    // Erases and redraws the dialog under a child control.
    void Repaint(int id);

    ScanningSession& session_;
    std::function<void()> closeRequest_;
    HWND toolTip_ = nullptr;
    UINT_PTR busyTimer_ = 0;
    HCURSOR savedCursor_ = nullptr;
    // Which profile buttons were enabled when a run disabled them.
    bool newProfileWasEnabled_ = false;
    bool storeProfileWasEnabled_ = false;
    bool deleteProfileWasEnabled_ = false;
    std::unique_ptr<Image> previewImage_;
};

}  // namespace z8::ui
