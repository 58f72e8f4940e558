#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "ui/controls/icon_button.h"
#include "ui/controls/segment_progress.h"
#include "ui/controls/titre.h"
#include "ui/dib.h"
#include "ui/framework/dialog.h"

namespace z8::ui {

// Posted to the progress dialog by CMessageThread; all answer 1.
inline constexpr UINT kMsgSetPosition = WM_USER + 1;
inline constexpr UINT kMsgSetText = WM_USER + 2;  // wParam: std::string*, owned by the handler
inline constexpr UINT kMsgStartAnimation = WM_USER + 3;
inline constexpr UINT kMsgStopAnimation = WM_USER + 4;
inline constexpr UINT kMsgQuit = WM_USER + 5;

// The progress window of the message thread: a text line, a bar and a stop
// button that sets cancelRequested, drawn over the background picture.
class CProgressDialog final : public Dialog {
public:
    CProgressDialog();
    ~CProgressDialog() override;

    bool cancelRequested() const { return cancelRequested_.load(std::memory_order_relaxed) != 0; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnControlColour(HDC dc, HWND control, UINT type) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void RefreshText();

    CSegmentProgress progress_;
    CIconButton stop_;
    std::string messageText_;
    CDib background_;
    HBRUSH hollowBrush_;
    CTitre title_;
    // Written by the progress thread, read by the scanning thread.
    std::atomic<unsigned char> cancelRequested_{0};
};

}  // namespace z8::ui
