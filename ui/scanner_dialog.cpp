#include "ui/scanner_dialog.h"

#include <commctrl.h>

#include "platform/win32/string_table_win32.h"
#include "ui/draw_image.h"
#include "ui/framework/module_state.h"
#include "ui/resources/control_ids.h"
#include "ui/resources/string_ids.h"

namespace z8::ui {
namespace {

constexpr UINT kAboutCommand = 16;

// The About box: a template with no behaviour of its own.
class CAboutDialog final : public Dialog {};

std::string LoadText(unsigned id) {
    return Win32StringTable(ResourceModule()).Load(id);
}

struct Tip {
    int control;
    unsigned text;
};

constexpr Tip kTips[] = {
    {res::kFeederButton, res::kStrTipSheetFeeder},
    {res::kFlatbedButton, res::kStrTipFlatbed},
    {res::kImageParamsButton, res::kStrTipImageParams},
    {res::kBlackWhiteButton, res::kStrTipBlackWhite},
    {res::kGreyButton, res::kStrTipGrey},
    {res::kColourButton, res::kStrTipColour},
    {res::kResolutionCombo, res::kStrTipResolution},
    {res::kPreviewButton, res::kStrTipPreview},
    {res::kScanButton, res::kStrTipScan},
    {res::kRulerUnitButton, res::kStrTipRulerUnit},
};

// What a run disables besides the profile buttons.
constexpr int kRunLocked[] = {res::kImageParamsButton, res::kPreviewButton,  res::kProfileCombo,
                              res::kResolutionCombo,   res::kScanButton,     res::kBlackWhiteButton,
                              res::kGreyButton,        res::kColourButton,   res::kFlatbedButton,
                              res::kFeederButton,      res::kRulerUnitButton};

}  // namespace

CScannerDialog::CScannerDialog(ScanningSession& session, std::function<void()> closeRequest)
    : session_(session), closeRequest_(std::move(closeRequest)) {}

BOOL CScannerDialog::OnInitDialog() {
    SetWindowTextA(hwnd(), LoadText(res::kStrDialogTitle).c_str());

    HMENU system = GetSystemMenu(hwnd(), FALSE);
    if (system != nullptr) {
        DeleteMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
        const std::string about = LoadText(res::kStrAboutMenuItem);
        if (!about.empty()) {
            AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(system, MF_STRING, kAboutCommand, about.c_str());
        }
    }
    CreateToolTips();
    SetDlgItemTextA(hwnd(), res::kResolutionCaption, LoadText(res::kStrCaptionResolution).c_str());
    SetDlgItemTextA(hwnd(), res::kProfileCaption, LoadText(res::kStrProfile).c_str());
    SetDlgItemTextA(hwnd(), res::kImageCaption, LoadText(res::kStrCaptionImage).c_str());
    SetDlgItemTextA(hwnd(), res::kStatusLabel, " ");
    Show(res::kStatusLabel, true);
    SendDlgItemMessageA(hwnd(), res::kProgressBar, PBM_SETRANGE32, 0, 100);
    session_.AttachDialog(this);
    session_.AttachPreview(this);
    return TRUE;
}

void CScannerDialog::CreateToolTips() {
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                               nullptr, InstanceModule(), nullptr);
    if (toolTip_ == nullptr) return;
    SendMessageA(toolTip_, TTM_ACTIVATE, TRUE, 0);
    SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 200);
    SendMessageA(toolTip_, TTM_SETTIPTEXTCOLOR, RGB(0, 0, 255), 0);
    for (const Tip& tip : kTips) {
        std::string text = LoadText(tip.text);
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Item(tip.control));
        info.lpszText = text.data();
        SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

bool CScannerDialog::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
    switch (id) {
        case res::kScanButton:
            session_.Scan();
            return true;
        case res::kPreviewButton:
            session_.Preview();
            return true;
        case res::kStopButton:
            session_.RequestStop();
            return true;
        case res::kCancelButton:
            session_.StoreDefaultProfile();
            closeRequest_();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

bool CScannerDialog::OnTimer(UINT_PTR id) {
    if (id != res::kBusyTimer) return false;
    session_.OnBusyTimer();
    return true;
}

bool CScannerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // Commands 16..31 are ours; the system's own get default processing.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kAboutCommand) {
        CAboutDialog about;
        about.RunModal(ResourceModule(), res::kAboutTemplate, hwnd());
        result = 0;
        return true;
    }
    return false;
}

void CScannerDialog::OnDestroy() {
    StopBusyTimer();
    session_.AttachDialog(nullptr);
    session_.AttachPreview(nullptr);
    previewImage_.reset();
    toolTip_ = nullptr;
}

void CScannerDialog::Repaint(int id) {
    RECT area;
    GetWindowRect(Item(id), &area);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(hwnd(), &area, TRUE);
    UpdateWindow(hwnd());
}

void CScannerDialog::DisableControlsForScan(const std::string& statusText) {
    newProfileWasEnabled_ = IsWindowEnabled(Item(res::kNewProfileButton)) != FALSE;
    storeProfileWasEnabled_ = IsWindowEnabled(Item(res::kStoreProfileButton)) != FALSE;
    deleteProfileWasEnabled_ = IsWindowEnabled(Item(res::kDeleteProfileButton)) != FALSE;
    for (int id : kRunLocked)
        Enable(id, false);
    Enable(res::kNewProfileButton, false);
    Enable(res::kStoreProfileButton, false);
    Enable(res::kDeleteProfileButton, false);
    SetStatus(statusText, LoadText(res::kStrDialogTitle));
}

void CScannerDialog::RestoreControlsAfterScan(const Restore& restore) {
    Enable(res::kImageParamsButton, true);
    Enable(res::kPreviewButton, restore.preview);
    Enable(res::kProfileCombo, true);
    Enable(res::kResolutionCombo, true);
    Enable(res::kScanButton, true);
    Enable(res::kNewProfileButton, newProfileWasEnabled_);
    Enable(res::kStoreProfileButton, storeProfileWasEnabled_);
    Enable(res::kDeleteProfileButton, deleteProfileWasEnabled_);
    Enable(res::kBlackWhiteButton, true);
    Enable(res::kGreyButton, true);
    Enable(res::kColourButton, IsWindowVisible(Item(res::kColourButton)) != FALSE);
    Enable(res::kFeederButton, restore.feeder);
    Enable(res::kFlatbedButton, restore.flatbed);
    Enable(res::kRulerUnitButton, true);
    SetProgressBar(0);
    ShowProgressBar(false);
    Show(res::kStopButton, false);
    Show(res::kScanButton, true);
}

void CScannerDialog::SetStatus(const std::string& status, const std::string& caption) {
    SetDlgItemTextA(hwnd(), res::kStatusLabel, status.c_str());
    SetWindowTextA(hwnd(), caption.c_str());
    Repaint(res::kStatusLabel);
}

void CScannerDialog::ShowStopButton() {
    Show(res::kStopButton, true);
    Show(res::kScanButton, false);
}

void CScannerDialog::ShowProgressBar(bool visible) {
    Show(res::kProgressBar, visible);
}

int CScannerDialog::ProgressBarPosition() const {
    return static_cast<int>(SendDlgItemMessageA(hwnd(), res::kProgressBar, PBM_GETPOS, 0, 0));
}

void CScannerDialog::SetProgressBar(int position) {
    SendDlgItemMessageA(hwnd(), res::kProgressBar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void CScannerDialog::StartBusyTimer() {
    if (busyTimer_ == 0)
        busyTimer_ = SetTimer(hwnd(), res::kBusyTimer, res::kBusyTimerPeriodMs, nullptr);
}

void CScannerDialog::StopBusyTimer() {
    if (busyTimer_ == 0) return;
    KillTimer(hwnd(), busyTimer_);
    busyTimer_ = 0;
}

void CScannerDialog::ShowMessage(const std::string& text) {
    MessageBoxA(hwnd(), text.c_str(), LoadText(res::kStrDialogTitle).c_str(), MB_OK);
}

void CScannerDialog::SetWaitCursor(bool waiting) {
    if (waiting) {
        savedCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    } else {
        SetCursor(savedCursor_);
        savedCursor_ = nullptr;
    }
}

void CScannerDialog::DrawPartial() {
    HWND pane = Item(res::kPreviewPane);
    if (previewImage_ == nullptr || pane == nullptr) return;
    RECT area;
    GetClientRect(pane, &area);
    HDC dc = GetDC(pane);
    if (dc == nullptr) return;
    DrawImage(dc, area, *previewImage_);
    ReleaseDC(pane, dc);
}

void CScannerDialog::Invalidate() {
    HWND pane = Item(res::kPreviewPane);
    InvalidateRect(pane, nullptr, TRUE);
    UpdateWindow(pane);
    DrawPartial();
}

}  // namespace z8::ui
