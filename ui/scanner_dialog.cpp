#include "ui/scanner_dialog.h"

#include <commctrl.h>

#include <array>

#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/framework/controls.h"
#include "ui/framework/module_state.h"
#include "ui/image_params_dialog.h"
#include "ui/tool_tips.h"

namespace z8::ui {
namespace {

constexpr UINT kAboutCommand = 16;

// The About box: a template with no behaviour of its own.
class CAboutDialog final : public Dialog {};

// The presets' names in the profile list, in list order.
std::array<std::string, kPresetCount> PresetNames() {
    const StringTable& strings = ResourceStrings();
    return {strings.Load(res::kStrProfileScreen), strings.Load(res::kStrProfilePrinter),
            strings.Load(res::kStrProfileFax), strings.Load(res::kStrProfileOcr)};
}

constexpr ToolTipText kTips[] = {
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
    : session_(session),
      closeRequest_(std::move(closeRequest)),
      profiles_(session.Profiles(), PresetNames()),
      pane_(*this) {}

CScannerDialog::~CScannerDialog() {
    // While this object is whole, so that OnDestroy runs.
    Destroy();
}

BOOL CScannerDialog::OnInitDialog() {
    SetWindowTextA(hwnd(), ResourceStrings().Load(res::kStrDialogTitle).c_str());

    HMENU system = GetSystemMenu(hwnd(), FALSE);
    if (system != nullptr) {
        DeleteMenu(system, SC_MAXIMIZE, MF_BYCOMMAND);
        const std::string about = ResourceStrings().Load(res::kStrAboutMenuItem);
        if (!about.empty()) {
            AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(system, MF_STRING, kAboutCommand, about.c_str());
        }
    }
    icon_ = LoadIconA(ResourceModule(), MAKEINTRESOURCEA(res::kSourceIcon));
    if (icon_ != nullptr) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    toolTip_ = CreateToolTips(hwnd(), kTips);
    FillProfiles();
    Get<Static>(res::kResolutionCaption)
        .SetText(ResourceStrings().Load(res::kStrCaptionResolution));
    Get<Static>(res::kProfileCaption).SetText(ResourceStrings().Load(res::kStrProfile));
    Get<Static>(res::kImageCaption).SetText(ResourceStrings().Load(res::kStrCaptionImage));
    Get<Static>(res::kStatusLabel).SetText(" ");
    Show(res::kStatusLabel, true);
    const auto bar = Get<ProgressBar>(res::kProgressBar);
    bar.SetRange(0, 100);
    bar.Show(false);
    SetUpLook();
    labels_ = EmptySizeLabels(LoadSizeWords(ResourceStrings()));
    Get<Static>(res::kHeightLabel).SetText(labels_.height);
    Get<Static>(res::kWidthLabel).SetText(labels_.width);
    Get<Static>(res::kFileSizeLabel).SetText(labels_.fileSize);
    pane_.AttachPane(Item(res::kPreviewPane));
    session_.AttachDialog(this);
    session_.AttachPreview(this);
    // A new window starts small; showing it picks the layout for the fonts.
    largeLayout = false;
    if (session_.Settings().ShowUI() != 0) UpdateControls();
    return TRUE;
}

bool CScannerDialog::OnCommand(int id, int code, HWND control) {
    // Notification codes mean different things for different kinds of
    // control: the combo boxes first, then the buttons.
    switch (id) {
        case res::kResolutionCombo:
            if (code == CBN_SELCHANGE) {
                ChooseResolution(Get<ComboBox>(id).Selection());
            } else if (code == CBN_EDITCHANGE) {
                // Typed text picks the list's second entry, which then applies.
                Get<ComboBox>(id).Select(1);
                ChooseResolution(1);
            }
            return true;
        case res::kProfileCombo:
            if (code == CBN_SELCHANGE) ChooseProfile();
            if (code == CBN_EDITCHANGE) ProfileTextEdited();
            return true;
        default:
            if (code == BN_CLICKED && OnClicked(id)) return true;
            return Dialog::OnCommand(id, code, control);
    }
}

bool CScannerDialog::OnClicked(int id) {
    CScanSettings& settings = session_.Settings();
    switch (id) {
        case res::kScanButton:
            RunAndFollow(&ScanningSession::Scan);
            return true;
        case res::kPreviewButton:
            RunAndFollow(&ScanningSession::Preview);
            return true;
        case res::kStopButton:
            session_.RequestStop();
            return true;
        case res::kCancelButton:
            session_.StoreDefaultProfile();
            closeRequest_();
            return true;
        case res::kFeederButton:
            ChooseSource(kSourceFeeder);
            return true;
        case res::kFlatbedButton:
            ChooseSource(kSourceFlatbed);
            return true;
        case res::kBlackWhiteButton:
            ChoosePixelType(TWPT_BW);
            return true;
        case res::kGreyButton:
            ChoosePixelType(TWPT_GRAY);
            return true;
        case res::kColourButton:
            ChoosePixelType(TWPT_RGB);
            return true;
        case res::kRulerUnitButton:
            settings.SetRulerUnit(settings.RulerUnit() == 0 ? 1 : 0);
            UpdateControls();
            return true;
        case res::kNewProfileButton:
            CreateProfile();
            return true;
        case res::kStoreProfileButton:
            StoreTypedProfile();
            return true;
        case res::kDeleteProfileButton:
            DeleteProfile();
            return true;
        case res::kImageParamsButton: {
            CImageParamsDialog parameters(settings, [this](HDC dc, const RECT& area) {
                RenderImageView(dc, area, DisplayMode::SamplePicture);
            });
            // After OK the preview shows the new adjustments.
            if (parameters.RunModal(ResourceModule(), res::kImageParamsTemplate, hwnd()) == IDOK) {
                InvalidateRect(pane_.hwnd(), nullptr, TRUE);
            }
            return true;
        }
        default:
            return false;
    }
}

void CScannerDialog::RunAndFollow(void (ScanningSession::*run)()) {
    (session_.*run)();
    // The application may have closed the window meanwhile.
    if (hwnd() != nullptr) UpdateControls();
}

void CScannerDialog::ChooseSource(TW_UINT16 source) {
    CScanSettings& settings = session_.Settings();
    settings.SetDocumentSource(source);
    if (source == kSourceFeeder) {
        // The feeder has no preview: the picture and the selection go, the
        // whole page is scanned.
        pane_.SetPreviewImage(nullptr);
        settings.ResetLayout();
    }
    UpdateControls();
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void CScannerDialog::ChoosePixelType(TW_UINT16 pixelType) {
    session_.Settings().SetPixelType(pixelType);
    UpdateControls();
}

void CScannerDialog::ChooseResolution(int index) {
    if (index < 0) return;
    session_.Settings().SetXResolutionIndex(index);
    session_.Settings().SetYResolutionIndex(index);
    UpdateControls();
}

bool CScannerDialog::OnTimer(UINT_PTR id) {
    if (id != res::kBusyTimer) return false;
    session_.OnBusyTimer();
    return true;
}

bool CScannerDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM || message == WM_NOTIFY) {
        return ReflectToControl(message, wParam, lParam, result);
    }
    // Commands 16..31 are ours; the system's own get default processing.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kAboutCommand) {
        CAboutDialog about;
        about.RunModal(ResourceModule(), res::kAboutTemplate, hwnd());
        result = 0;
        return true;
    }
    if (message == WM_PAINT) {
        Paint();
        result = 0;
        return true;
    }
    return false;
}

HBRUSH CScannerDialog::OnControlColour(HDC dc, HWND control, UINT type) {
    LRESULT reflected = 0;
    if (ReflectToControl(type, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control),
                         reflected)) {
        return reinterpret_cast<HBRUSH>(reflected);
    }
    // Texts are drawn over the dialog's background picture (the labels are
    // erased under them when they change); lists and edit fields keep their own.
    if (type == WM_CTLCOLORLISTBOX || type == WM_CTLCOLOREDIT) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (type == WM_CTLCOLORSTATIC) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void CScannerDialog::OnDestroy() {
    StopBusyTimer();
    session_.AttachDialog(nullptr);
    session_.AttachPreview(nullptr);
    pane_.Detach();
    pane_.SetPreviewImage(nullptr);
    // The page goes with the window: no transfer can follow MSG_DISABLEDS.
    session_.Job().acquired = AcquiredPage{};
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
    newProfileWasEnabled_ = Get<Button>(res::kNewProfileButton).IsEnabled();
    storeProfileWasEnabled_ = Get<Button>(res::kStoreProfileButton).IsEnabled();
    deleteProfileWasEnabled_ = Get<Button>(res::kDeleteProfileButton).IsEnabled();
    for (int id : kRunLocked)
        Enable(id, false);
    Enable(res::kNewProfileButton, false);
    Enable(res::kStoreProfileButton, false);
    Enable(res::kDeleteProfileButton, false);
    SetStatus(statusText, ResourceStrings().Load(res::kStrDialogTitle));
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
    Enable(res::kColourButton, Get<Button>(res::kColourButton).IsVisible());
    Enable(res::kFeederButton, restore.feeder);
    Enable(res::kFlatbedButton, restore.flatbed);
    Enable(res::kRulerUnitButton, true);
    SetProgressBar(0);
    ShowProgressBar(false);
    Show(res::kStopButton, false);
    Show(res::kScanButton, true);
}

void CScannerDialog::SetStatus(const std::string& status, const std::string& caption) {
    Get<Static>(res::kStatusLabel).SetText(status);
    SetWindowTextA(hwnd(), caption.c_str());
    Repaint(res::kStatusLabel);
}

void CScannerDialog::ShowStopButton() {
    Show(res::kStopButton, true);
    Show(res::kScanButton, false);
}

void CScannerDialog::ShowScanButton() {
    Show(res::kStopButton, false);
    Show(res::kScanButton, true);
}

void CScannerDialog::ShowProgressBar(bool visible) {
    Show(res::kProgressBar, visible);
}

int CScannerDialog::ProgressBarPosition() const {
    return Get<ProgressBar>(res::kProgressBar).Position();
}

void CScannerDialog::SetProgressBar(int position) {
    Get<ProgressBar>(res::kProgressBar).SetPosition(position);
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
    MessageBoxA(hwnd(), text.c_str(), ResourceStrings().Load(res::kStrDialogTitle).c_str(), MB_OK);
}

void CScannerDialog::SetWaitCursor(bool waiting) {
    if (waiting) {
        savedCursor_ = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    } else {
        SetCursor(savedCursor_);
        savedCursor_ = nullptr;
    }
}

}  // namespace z8::ui
