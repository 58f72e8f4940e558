// The scanning dialog's look: the background picture, the caption labels, the
// shaded progress bar, the icon buttons with their chosen and disabled
// pictures, the stop button's animation and the rulers beside the pane.
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/caption_style.h"
#include "ui/controls/gdi_handles.h"
#include "ui/framework/module_state.h"
#include "ui/scanner_dialog.h"

namespace z8::ui {
namespace {

// The generated icons of each button (tools/pictures/icons.py): hover, normal
// and disabled, then hover and normal when the button's choice is in force.
struct ButtonIcons {
    int control;
    int hover, normal, disabled;
    int chosenHover, chosenNormal;
};
constexpr ButtonIcons kButtonIcons[] = {
    {res::kFeederButton, 184, 183, 192, 187, 186},
    {res::kFlatbedButton, 185, 181, 191, 189, 188},
    {res::kImageParamsButton, 208, 143, 209, 0, 0},
    {res::kBlackWhiteButton, 134, 229, 204, 152, 230},
    {res::kGreyButton, 135, 226, 194, 151, 227},
    {res::kColourButton, 136, 228, 232, 150, 231},
    {res::kNewProfileButton, 196, 195, 197, 0, 0},
    {res::kStoreProfileButton, 198, 200, 199, 0, 0},
    {res::kDeleteProfileButton, 201, 203, 202, 0, 0},
    {res::kPreviewButton, 174, 173, 175, 0, 0},
    {res::kScanButton, 171, 170, 170, 0, 0},
    {res::kStopButton, res::kIconStopHover, res::kIconStopFrame1, res::kIconStopDisabled, 0, 0},
    {res::kRulerUnitButton, 224, 157, 157, 0, 0},
};

struct CaptionLabel {
    int control;
    unsigned text;
    int height;
};
constexpr CaptionLabel kCaptionLabels[] = {
    {res::kResolutionCaption, res::kStrCaptionResolution, kCaptionHeight},
    {res::kProfileCaption, res::kStrProfile, kCaptionHeight},
    {res::kImageCaption, res::kStrCaptionImage, kCaptionHeight},
    {res::kStatusLabel, 0, kCaptionHeight - 1},
};

// The rulers: centimetres or inches, across and down.
constexpr int kRulerCmAcross = 161, kRulerCmDown = 162, kRulerInAcross = 163, kRulerInDown = 164;

HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace

void CScannerDialog::SetUpLook() {
    static_assert(std::size(kButtonIcons) == kIconButtons);
    background_.LoadFromResource(res::kBackgroundBitmap, ResourceModule());
    for (size_t i = 0; i < std::size(kCaptionLabels); ++i) {
        const CaptionLabel& c = kCaptionLabels[i];
        captions_[i].Attach(hwnd(), c.control, c.text != 0 ? ResourceStrings().Load(c.text) : " ",
                            kCaptionColour, kCaptionFace, c.height, kCaptionWeight);
    }
    progressBar_.Subclass(hwnd(), res::kProgressBar);
    progressBar_.SetColor(RGB(255, 0, 0));
    for (size_t i = 0; i < std::size(kButtonIcons); ++i) {
        const ButtonIcons& b = kButtonIcons[i];
        buttons_[i].Subclass(hwnd(), b.control);
        buttons_[i].SetIcons(b.hover, b.normal, b.disabled);
        chosen_[i] = false;
    }
    IconButton(res::kStopButton)
        .SetAnimation(res::kIconStopFrame1, res::kIconStopFrame2, res::kIconStopFrame3,
                      res::kIconStopFrame4);
}

CIconButton& CScannerDialog::IconButton(int id) {
    for (size_t i = 0; i < std::size(kButtonIcons); ++i) {
        if (kButtonIcons[i].control == id) return buttons_[i];
    }
    return buttons_[0];
}

void CScannerDialog::ShowChosen(int id, bool chosen) {
    for (size_t i = 0; i < std::size(kButtonIcons); ++i) {
        const ButtonIcons& b = kButtonIcons[i];
        if (b.control != id || b.chosenNormal == 0 || chosen_[i] == chosen) continue;
        chosen_[i] = chosen;
        buttons_[i].SetIcons(chosen ? b.chosenHover : b.hover, chosen ? b.chosenNormal : b.normal,
                             b.disabled);
    }
}

void CScannerDialog::StartStopAnimation() {
    IconButton(res::kStopButton).StartIconAnimation();
}

void CScannerDialog::StopStopAnimation() {
    IconButton(res::kStopButton).StopIconAnimation();
}

bool CScannerDialog::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    return background_.DrawTo(dc, &client, nullptr, nullptr, false);
}

void CScannerDialog::DrawRulers(HDC dc) {
    const bool inches = session_.Settings().RulerUnit() == 0;
    UniqueGdi<HBITMAP> across(LoadBitmapResource(inches ? kRulerInAcross : kRulerCmAcross));
    UniqueGdi<HBITMAP> down(LoadBitmapResource(inches ? kRulerInDown : kRulerCmDown));
    RECT pane, acrossOrigin, downOrigin;
    if (!GetWindowRect(Item(res::kPreviewPane), &pane) ||
        !GetWindowRect(Item(res::kHorizontalRuler), &acrossOrigin) ||
        !GetWindowRect(Item(res::kVerticalRuler), &downOrigin)) {
        return;
    }
    for (RECT* r : {&pane, &acrossOrigin, &downOrigin}) {
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(r), 2);
    }
    // Each picture as long as the pane, at its own thickness.
    const SIZE acrossSize = BitmapSize(across.get());
    const SIZE downSize = BitmapSize(down.get());
    const RECT acrossArea{acrossOrigin.left, acrossOrigin.top,
                          acrossOrigin.left + (pane.right - pane.left),
                          acrossOrigin.top + acrossSize.cy};
    const RECT downArea{downOrigin.left, downOrigin.top, downOrigin.left + downSize.cx,
                        downOrigin.top + (pane.bottom - pane.top)};
    if (across.get() != nullptr) BlitBitmap(dc, across.get(), &acrossArea, nullptr, SRCCOPY);
    if (down.get() != nullptr) BlitBitmap(dc, down.get(), &downArea, nullptr, SRCCOPY);
}

}  // namespace z8::ui
