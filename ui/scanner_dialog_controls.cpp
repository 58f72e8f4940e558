// How the scanning dialog's controls follow the settings.
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/framework/controls.h"
#include "ui/framework/module_state.h"
#include "ui/scanner_dialog.h"
#include "ui/scanner_dialog_state.h"

namespace z8::ui {
namespace {

int ModeButtonId(ModeButton mode) {
    switch (mode) {
        case ModeButton::BlackWhite:
            return res::kBlackWhiteButton;
        case ModeButton::Colour:
            return res::kColourButton;
        case ModeButton::Grey:
            break;
    }
    return res::kGreyButton;
}

}  // namespace

void CScannerDialog::UpdateControls() {
    if (hwnd() == nullptr) return;
    ApplySourceState();
    ApplySizeLabels();
    FollowProfiles();
}

void CScannerDialog::ApplySourceState() {
    const CScanSettings& settings = session_.Settings();
    const ScannerDialogState state = DialogStateFor(settings, largeLayout);
    if (state.clearPreview) pane_.SetPreviewImage(nullptr);
    ResizeWindow(state.window.width, state.window.height);

    Enable(res::kPreviewButton, state.previewEnabled);
    Enable(res::kScanButton, state.scanEnabled);
    Enable(res::kImageParamsButton, state.imageParamsEnabled);
    Enable(res::kResolutionCombo, state.resolutionEnabled);
    if (state.resolutions) {
        const auto combo = Get<ComboBox>(res::kResolutionCombo);
        combo.Clear();
        for (const std::string& entry : *state.resolutions)
            combo.Add(entry);
        combo.Select(state.resolutionSelection);
    }
    if (state.colourVisible) Show(res::kColourButton, *state.colourVisible);
    Enable(res::kBlackWhiteButton, state.blackWhiteEnabled);
    Enable(res::kGreyButton, state.greyEnabled);
    Enable(res::kColourButton, state.colourEnabled);
    Enable(res::kFeederButton, state.feederEnabled);
    Enable(res::kFlatbedButton, state.flatbedEnabled);

    // The chosen source and mode show their chosen pictures.
    ShowChosen(res::kFeederButton, state.feederChosen);
    ShowChosen(res::kFlatbedButton, state.flatbedChosen);
    for (const ModeButton mode : {ModeButton::BlackWhite, ModeButton::Grey, ModeButton::Colour})
        ShowChosen(ModeButtonId(mode), mode == state.chosenMode);

    // The preview follows the adjustments and the pixel type.
    if (state.showPreview && pane_.PreviewImage() != nullptr) pane_.Invalidate();
}

void CScannerDialog::ApplySizeLabels() {
    CScanSettings& settings = session_.Settings();
    const SizeWords words = LoadSizeWords(ResourceStrings());
    if (settings.DocumentSource() == kSourceNone) {
        labels_ = EmptySizeLabels(words);
    } else {
        const CheckedSize checked = CheckImageSize(settings, words);
        if (checked.tooLarge) {
            if (settings.ShowUI() != 0) {
                MessageBoxA(hwnd(), ResourceStrings().Load(res::kStrImageTooLarge).c_str(),
                            ResourceStrings().Load(res::kStrErrorCaption).c_str(),
                            MB_OK | MB_ICONEXCLAMATION);
            }
            Get<ComboBox>(res::kResolutionCombo).Select(0);
        }
        labels_ = checked.labels;
    }
    const std::pair<int, const std::string*> labels[] = {{res::kHeightLabel, &labels_.height},
                                                         {res::kWidthLabel, &labels_.width},
                                                         {res::kFileSizeLabel, &labels_.fileSize}};
    for (const auto& [id, text] : labels) {
        const auto label = Get<Static>(id);
        label.SetText(*text);
        const RECT area = label.RectInParent();
        InvalidateRect(hwnd(), &area, TRUE);
    }
}

void CScannerDialog::ResizeWindow(int width, int height) {
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScannerDialog::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    if (dc == nullptr) return;
    if (!IsIconic(hwnd()) && session_.Settings().DocumentSource() == kSourceFlatbed) DrawRulers(dc);
    EndPaint(hwnd(), &paint);
}

}  // namespace z8::ui
