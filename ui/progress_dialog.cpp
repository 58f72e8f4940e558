#include "ui/progress_dialog.h"

#include <commctrl.h>

#include <memory>

#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/caption_style.h"
#include "ui/framework/controls.h"
#include "ui/framework/module_state.h"

namespace z8::ui {

CProgressDialog::CProgressDialog()
    : hollowBrush_(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))) {}

CProgressDialog::~CProgressDialog() = default;

BOOL CProgressDialog::OnInitDialog() {
    SetWindowTextA(hwnd(), ResourceStrings().Load(res::kStrDialogTitle).c_str());
    cancelRequested_.store(0, std::memory_order_relaxed);
    background_.LoadFromResource(res::kBackgroundBitmap, ResourceModule());
    messageText_ = " ";
    title_.Attach(hwnd(), res::kProgressText, messageText_, kCaptionColour, kCaptionFace,
                  kCaptionHeight, kCaptionWeight);
    progress_.Subclass(hwnd(), res::kProgressWindowBar);
    Get<ProgressBar>(res::kProgressWindowBar).SetRange(0, 100);
    progress_.SetColor(RGB(255, 0, 0));
    stop_.Subclass(hwnd(), res::kProgressStop);
    stop_.SetIcons(res::kIconStopHover, res::kIconStopFrame1, res::kIconStopDisabled);
    stop_.SetAnimation(res::kIconStopFrame1, res::kIconStopFrame2, res::kIconStopFrame3,
                       res::kIconStopFrame4);
    RefreshText();
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CProgressDialog::RefreshText() {
    Get<Static>(res::kProgressText).SetText(messageText_);
}

bool CProgressDialog::OnCommand(int id, int code, HWND control) {
    if (id == res::kProgressStop && code == BN_CLICKED) {
        cancelRequested_.store(1, std::memory_order_relaxed);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CProgressDialog::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    return background_.DrawTo(dc, &client, nullptr, nullptr, false);
}

HBRUSH CProgressDialog::OnControlColour(HDC dc, HWND control, UINT type) {
    LRESULT reflected = 0;
    if (ReflectToControl(type, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control),
                         reflected)) {
        return reinterpret_cast<HBRUSH>(reflected);
    }
    if (type == WM_CTLCOLORLISTBOX) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (type == WM_CTLCOLORSTATIC) return hollowBrush_;
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool CProgressDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case kMsgSetPosition:
            Get<ProgressBar>(res::kProgressWindowBar).SetPosition(static_cast<int>(wParam));
            RefreshText();
            break;
        case kMsgSetText: {
            std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(wParam));
            messageText_ = *text;
            RefreshText();
            // The line is drawn over the background: erase under it first.
            const RECT area = Get<Static>(res::kProgressText).RectInParent();
            InvalidateRect(hwnd(), &area, TRUE);
            break;
        }
        case kMsgStartAnimation:
            stop_.StartIconAnimation();
            break;
        case kMsgStopAnimation:
            stop_.StopIconAnimation();
            break;
        case WM_DRAWITEM:
        case WM_NOTIFY:
            return ReflectToControl(message, wParam, lParam, result);
        case kMsgQuit:
            PostQuitMessage(0);
            break;
        default:
            return false;
    }
    result = 1;
    return true;
}

}  // namespace z8::ui
