#pragma once

#include <windows.h>

#include <string>

#include "scanning/scan_views.h"
#include "ui/framework/ui_thread.h"
#include "ui/progress_dialog.h"

namespace z8::ui {

// The second user-interface thread: its only window is the progress dialog.
// Other threads drive it through posted messages and read cancelRequested.
class CMessageThread final : public UiThread, public ProgressView {
public:
    CMessageThread() = default;
    ~CMessageThread() override;

    void SetMessage(const std::string& text) override;
    void SetProgress(int position) override;
    void ShowProgress(bool visible) override { ShowProgress(visible ? SW_SHOW : SW_HIDE); }
    bool CancelRequested() const override { return dialog_.cancelRequested(); }
    void StartAnimation();
    void StopAnimation();
    // 0 hides (and resets bar and text), 5 shows; other commands go to ShowWindow.
    void ShowProgress(int showCommand);
    void QuitThread();

    HWND DialogWindow() const { return dialog_.hwnd(); }

protected:
    bool InitInstance() override;
    DWORD ExitInstance() override;
    HWND MainWindow() const override { return dialog_.hwnd(); }

private:
    void Post(UINT message, WPARAM wParam);

    CProgressDialog dialog_;
};

}  // namespace z8::ui
