#include "ui/progress_dialog.h"

#include <commctrl.h>

#include <memory>

#include "ui/framework/module_state.h"
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
    SendDlgItemMessageA(hwnd(), kProgressBar, PBM_SETRANGE32, 0, 100);
    SendDlgItemMessageA(hwnd(), kProgressBar, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
    RefreshText();
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CProgressDialog::RefreshText() {
    SetDlgItemTextA(hwnd(), kProgressText, messageText_.c_str());
}

bool CProgressDialog::OnCommand(int id, int code, HWND control) {
    if (id == kProgressStop && code == BN_CLICKED) {
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
            SendDlgItemMessageA(hwnd(), kProgressBar, PBM_SETPOS, wParam, 0);
            RefreshText();
            break;
        case kMsgSetText: {
            std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(wParam));
            messageText_ = *text;
            RefreshText();
            // The line is drawn over the background: erase under it first.
            RECT area;
            GetWindowRect(Item(kProgressText), &area);
            MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
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
