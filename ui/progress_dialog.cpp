#include "ui/progress_dialog.h"

#include <commctrl.h>

#include <memory>

#include "ui/framework/controls.h"
#include "ui/framework/module_state.h"
#include "ui/resources/control_ids.h"
#include "ui/resources/string_ids.h"

namespace z8::ui {

CProgressDialog::CProgressDialog()
    : hollowBrush_(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))) {}

CProgressDialog::~CProgressDialog() = default;

BOOL CProgressDialog::OnInitDialog() {
    char title[256] = "";
    LoadStringA(ResourceModule(), res::kStrDialogTitle, title, sizeof title);
    SetWindowTextA(hwnd(), title);
    cancelRequested_.store(0, std::memory_order_relaxed);
    messageText_ = " ";
    const auto bar = Get<ProgressBar>(res::kProgressWindowBar);
    bar.SetRange(0, 100);
    bar.SetBarColour(RGB(255, 0, 0));
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

HBRUSH CProgressDialog::OnControlColour(HDC dc, HWND, UINT type) {
    if (type == WM_CTLCOLORLISTBOX) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (type == WM_CTLCOLORSTATIC) return hollowBrush_;
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool CProgressDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
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
        case kMsgStopAnimation:
            // The stop button is a plain button until it gets its animated icons.
            break;
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
