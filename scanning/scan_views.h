#pragma once

#include <memory>
#include <string>

#include "imaging/image.h"
#include "platform/message_pump.h"

namespace z8 {

// The scanning dialog as the scanning session drives it during a run. The
// window implements it; without a user interface there is none.
class ScanDialogView {
public:
    virtual ~ScanDialogView() = default;
    virtual WindowHandle Window() const = 0;
    // Disables what could start a second run or change the settings, and
    // remembers which profile buttons were enabled.
    virtual void DisableControlsForScan(const std::string& statusText) = 0;
    // Enables the controls again: preview only for the flatbed, the source
    // buttons only for the sources present, the profile buttons as they were;
    // hides the bar and the stop button, shows Scan.
    struct Restore {
        bool preview = false;
        bool feeder = false;
        bool flatbed = false;
    };
    virtual void RestoreControlsAfterScan(const Restore& restore) = 0;
    // The status label and the caption, repainted at once.
    virtual void SetStatus(const std::string& status, const std::string& caption) = 0;
    // The stop button in place of Scan, and back; the progress bar.
    virtual void ShowStopButton() = 0;
    virtual void ShowScanButton() = 0;
    virtual void StartStopAnimation() = 0;
    virtual void StopStopAnimation() = 0;
    virtual void ShowProgressBar(bool visible) = 0;
    virtual int ProgressBarPosition() const = 0;
    virtual void SetProgressBar(int position) = 0;
    // Timer 1, every 300 ms, which calls back the session's OnBusyTimer.
    virtual void StartBusyTimer() = 0;
    virtual void StopBusyTimer() = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void SetWaitCursor(bool waiting) = 0;
    // Out of the way once a page is handed over, back before the next sheet.
    virtual void MinimiseWindow() = 0;
    virtual void RestoreWindow() = 0;
};

// The progress window of the message thread.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Shows (with the stop button's animation) or hides (bar and text reset).
    virtual void ShowProgress(bool visible) = 0;
    virtual void SetMessage(const std::string& text) = 0;
    virtual void SetProgress(int position) = 0;
    // The user clicked the window's stop button.
    virtual bool CancelRequested() const = 0;
};

// Where previews go: the preview pane.
class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    // Replaces the pane's picture (null clears it).
    virtual void SetPreviewImage(std::unique_ptr<Image> image) = 0;
    virtual void ResetSelection() = 0;
    // Draws the picture held so far, scaled to the pane, at once.
    virtual void DrawPartial() = 0;
    // Redraws the whole pane, background included.
    virtual void Invalidate() = 0;
};

}  // namespace z8
