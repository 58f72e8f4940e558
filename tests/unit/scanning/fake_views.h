#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scanning/scan_views.h"

namespace z8::test {

// The scanning dialog as calls in order: "status:Transfert 0 %", "bar:50"...
class FakeDialogView final : public ScanDialogView {
public:
    WindowHandle Window() const override { return window; }
    void DisableControlsForScan(const std::string& text) override { Add("disable:" + text); }
    void RestoreControlsAfterScan(const Restore& r) override {
        Add(std::string("restore:") + (r.preview ? "P" : "-") + (r.feeder ? "F" : "-") +
            (r.flatbed ? "B" : "-"));
    }
    void SetStatus(const std::string& status, const std::string& caption) override {
        Add("status:" + status + "|" + caption);
        if (onStatus) onStatus(status);
    }
    void ShowStopButton() override { Add("stop-button"); }
    void ShowScanButton() override { Add("scan-button"); }
    void StartStopAnimation() override {}
    void StopStopAnimation() override {}
    void ShowProgressBar(bool visible) override { Add(visible ? "bar-shown" : "bar-hidden"); }
    int ProgressBarPosition() const override { return bar; }
    void SetProgressBar(int position) override {
        bar = position;
        Add("bar:" + std::to_string(position));
    }
    void StartBusyTimer() override { Add("timer-on"); }
    void StopBusyTimer() override { Add("timer-off"); }
    void ShowMessage(const std::string& text) override { Add("message:" + text); }
    void SetWaitCursor(bool) override {}
    void MinimiseWindow() override { Add("minimise"); }
    void RestoreWindow() override { Add("restore-window"); }

    WindowHandle window = reinterpret_cast<WindowHandle>(0x102);
    int bar = 0;
    std::function<void(const std::string&)> onStatus;
    std::vector<std::string> calls;

private:
    void Add(std::string call) { calls.push_back(std::move(call)); }
};

// The progress window as calls in order: "show", "text:...", "at:3", "hide".
class FakeProgressView final : public ProgressView {
public:
    void ShowProgress(bool visible) override { calls.push_back(visible ? "show" : "hide"); }
    void SetMessage(const std::string& text) override { calls.push_back("text:" + text); }
    void SetProgress(int position) override { calls.push_back("at:" + std::to_string(position)); }
    bool CancelRequested() const override { return cancel; }

    bool cancel = false;
    std::vector<std::string> calls;
};

class FakePreviewSink final : public PreviewSink {
public:
    void SetPreviewImage(std::unique_ptr<Image> picture) override { image = std::move(picture); }
    void ResetSelection() override { ++resets; }
    void DrawPartial() override { ++partials; }
    void Invalidate() override { ++invalidations; }

    std::unique_ptr<Image> image;
    int resets = 0;
    int partials = 0;
    int invalidations = 0;
};

}  // namespace z8::test
