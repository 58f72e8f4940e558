#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "imaging/adjustments.h"
#include "imaging/image.h"
#include "scanning/scan_views.h"
#include "scanning/scanning_session.h"
#include "settings/profile_list.h"
#include "ui/controls/icon_button.h"
#include "ui/controls/segment_progress.h"
#include "ui/controls/titre.h"
#include "ui/dib.h"
#include "ui/framework/dialog.h"
#include "ui/image_size_labels.h"
#include "ui/preview_pane.h"

namespace z8::ui {

// The data source's scanning window (template 102): a view of the scanning
// session, which holds the settings and runs the scans. The object lives from
// load to unload; its window from MSG_ENABLEDS to MSG_DISABLEDS.
//
// What the controls show follows the settings through UpdateControls (the
// states come from DialogStateFor and CheckImageSize); the profile list is a
// ProfileList over the combo box; the preview pane reports selections, which
// become the settings' selected area.
class CScannerDialog final : public Dialog,
                             public ScanDialogView,
                             public PreviewSink,
                             private CPreviewPane::Owner {
public:
    // closeRequest: called when the user cancels the dialog, after the settings
    // were stored; the source then asks the application to close it.
    CScannerDialog(ScanningSession& session, std::function<void()> closeRequest);
    ~CScannerDialog() override;

    HWND ToolTip() const { return toolTip_; }
    // Set when the window is shown: with large system fonts the window gets
    // the large layout's sizes.
    bool largeLayout = false;

    // Brings every control in line with the settings.
    void UpdateControls();
    // Draws the preview with the display adjustments into `area` of a device
    // context; nothing before the first preview.
    void RenderImageView(HDC dc, const RECT& area, DisplayMode mode);

    // ScanDialogView
    WindowHandle Window() const override { return hwnd(); }
    void DisableControlsForScan(const std::string& statusText) override;
    void RestoreControlsAfterScan(const Restore& restore) override;
    void SetStatus(const std::string& status, const std::string& caption) override;
    void ShowStopButton() override;
    void ShowScanButton() override;
    void StartStopAnimation() override;
    void StopStopAnimation() override;
    void ShowProgressBar(bool visible) override;
    int ProgressBarPosition() const override;
    void SetProgressBar(int position) override;
    void StartBusyTimer() override;
    void StopBusyTimer() override;
    void ShowMessage(const std::string& text) override;
    void SetWaitCursor(bool waiting) override;
    void MinimiseWindow() override { ShowWindow(hwnd(), SW_MINIMIZE); }
    void RestoreWindow() override { ShowWindow(hwnd(), SW_RESTORE); }

    // PreviewSink
    void SetPreviewImage(std::unique_ptr<Image> image) override;
    void ResetSelection() override;
    void DrawPartial() override;
    void Invalidate() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnControlColour(HDC dc, HWND control, UINT type) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void Enable(int id, bool enabled) { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
    void Show(int id, bool visible) { ShowWindow(Item(id), visible ? SW_SHOW : SW_HIDE); }
    // Erases and redraws the dialog under a child control.
    void Repaint(int id);

    // The commands of the controls.
    bool OnClicked(int id);
    void ChooseSource(TW_UINT16 source);
    void ChoosePixelType(TW_UINT16 pixelType);
    void ChooseResolution(int index);
    void RunAndFollow(void (ScanningSession::*run)());

    // UpdateControls' parts.
    void ApplySourceState();
    void ApplySizeLabels();
    void ResizeWindow(int width, int height);
    void Paint();
    // The rulers beside the pane (flatbed only).
    void DrawRulers(HDC dc);

    // The look: pictures, caption labels, the progress bar and the icon buttons.
    void SetUpLook();
    CIconButton& IconButton(int id);
    // A source or mode button shows whether its choice is in force.
    void ShowChosen(int id, bool chosen);

    // The profile list.
    void FillProfiles();
    void ChooseProfile();
    void ProfileTextEdited();
    void StoreTypedProfile();
    void CreateProfile();
    void DeleteProfile();
    void FollowProfiles();
    void RefuseProfileName();

    // CPreviewPane::Owner
    void RenderPreview(HDC dc, const RECT& area) override;
    void SelectionMade(const std::optional<PixelRect>& selection, int width, int height) override;

    ScanningSession& session_;
    std::function<void()> closeRequest_;
    ProfileList profiles_;
    CPreviewPane pane_;
    SizeLabels labels_;
    HWND toolTip_ = nullptr;
    HICON icon_ = nullptr;
    UINT_PTR busyTimer_ = 0;
    HCURSOR savedCursor_ = nullptr;
    // Which profile buttons were enabled when a run disabled them.
    bool newProfileWasEnabled_ = false;
    bool storeProfileWasEnabled_ = false;
    bool deleteProfileWasEnabled_ = false;

    CDib background_;
    std::array<CTitre, 4> captions_;
    CSegmentProgress progressBar_;
    // The icon buttons, in the order of their table (scanner_dialog_look.cpp),
    // and which of them show their choice in force.
    static constexpr size_t kIconButtons = 13;
    std::array<CIconButton, kIconButtons> buttons_;
    std::array<bool, kIconButtons> chosen_{};
};

}  // namespace z8::ui
