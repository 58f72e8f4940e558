#include "ui/scanner_dialog.h"

#include <commctrl.h>

#include <string>

#include "device/startup_query.h"
#include "ui/framework/module_state.h"
#include "ui/message_thread.h"
#include "ui/resources/string_ids.h"

namespace z8::ui {
namespace {

constexpr UINT kAboutCommand = 16;
constexpr int kAboutTemplate = 100;

// The About box: a template with no behaviour of its own.
class CAboutDialog final : public Dialog {};

std::string LoadText(unsigned id) {
    char text[512] = "";
    LoadStringA(ResourceModule(), id, text, sizeof text);
    return text;
}

struct Tip {
    int control;
    unsigned text;
};

constexpr Tip kTips[] = {
    {kFeederButton, res::kStrTipSheetFeeder},
    {1033, res::kStrTipFlatbed},
    {1011, res::kStrTipImageParams},
    {1029, res::kStrTipBlackWhite},
    {1030, res::kStrTipGrey},
    {1031, res::kStrTipColour},
    {1076, res::kStrTipResolution},
    {1001, res::kStrTipPreview},
    {IDOK, res::kStrTipScan},
    {1014, res::kStrTipRulerUnit},
};

}  // namespace

CScannerDialog::CScannerDialog(std::function<void()> closeRequest)
    : closeRequest_(std::move(closeRequest)),
      settings_(paths_),
      profiles_(store_, LoadText(res::kStrProfileDefault)),
      serialLink_(serialDevice_, registry_, &pump_) {}

void CScannerDialog::StartUp() {
    if (started_) return;
    started_ = true;
    serialLink_.FindComPort();
    if (serialLink_.Open()) {
        const DeviceSetup current = CurrentDeviceSetup(settings_);
        const StartupAnswers answers = QueryScanner(serialLink_, current);
        StoreDeviceSetup(ApplyStartupAnswers(answers, current), settings_);
        if (answers.status) lastStatus = *answers.status;
        serialLink_.Close();
    }
    profileIndex = kDefaultProfileIndex;
    profiles_.ApplyProfile(profileIndex, settings_);
}

void CScannerDialog::Scan() {
    if (!serialLink_.Open()) {
        ShowScanMessage(LoadText(res::kStrCannotCommunicate));
        return;
    }
    previewScan = 0;
    profiles_.StoreProfile(profiles_.DefaultName(), settings_);
    serialLink_.Close();
}

void CScannerDialog::ShowScanMessage(const std::string& text) {
    if (settings_.ShowUI() != 0) {
        MessageBoxA(hwnd(), text.c_str(), LoadText(res::kStrDialogTitle).c_str(), MB_OK);
    } else if (settings_.WantIndicators() && messageThread_ != nullptr) {
        messageThread_->ShowProgress(SW_SHOW);
        messageThread_->SetMessage(text);
        Sleep(5000);
        messageThread_->ShowProgress(SW_HIDE);
    }
}

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
    SetDlgItemTextA(hwnd(), 1050, LoadText(res::kStrCaptionResolution).c_str());
    SetDlgItemTextA(hwnd(), 1062, LoadText(res::kStrProfile).c_str());
    SetDlgItemTextA(hwnd(), 1061, LoadText(res::kStrCaptionImage).c_str());
    SetDlgItemTextA(hwnd(), 1064, " ");
    if (settings_.ShowUI() != 0) serialLink_.SetPumpWindow(hwnd());
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
    if (id == IDCANCEL) {
        profiles_.StoreProfile(profiles_.DefaultName(), settings_);
        closeRequest_();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CScannerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // Commands 16..31 are ours; the system's own get default processing.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kAboutCommand) {
        CAboutDialog about;
        about.RunModal(ResourceModule(), kAboutTemplate, hwnd());
        result = 0;
        return true;
    }
    return false;
}

void CScannerDialog::OnDestroy() {
    toolTip_ = nullptr;
}

}  // namespace z8::ui
