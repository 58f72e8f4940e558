#include "ui/image_params_dialog.h"

#include <commctrl.h>

#include <string>

#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/caption_style.h"
#include "ui/controls/shades.h"
#include "ui/framework/module_state.h"
#include "ui/tool_tips.h"

namespace z8::ui {
namespace {

constexpr UINT_PTR kRedrawTimer = 1;
constexpr UINT kRedrawPeriodMs = 100;

struct Caption {
    int control;
    unsigned text;
    COLORREF colour;
};
// In the order they are made; the filter's comes after the window's title.
constexpr Caption kCaptions[] = {
    {res::kIpRedCaption, res::kStrCaptionRed, 0x0000FF},
    {res::kIpGreenCaption, res::kStrCaptionGreen, 0x00FF00},
    {res::kIpBlueCaption, res::kStrCaptionBlue, 0xFF0000},
    {res::kIpContrastCaption, res::kStrCaptionContrast, kCaptionColour},
    {res::kIpBrightnessCaption, res::kStrCaptionBrightness, kCaptionColour},
    {res::kIpFilterCaption, res::kStrCaptionFilter, kCaptionColour},
};

struct Slider {
    int control;
    int lower, upper;
    COLORREF face, highlight, channel;
};
enum SliderIndex { kBrightness, kContrast, kBlue, kGreen, kRed };
constexpr Slider kSliders[] = {
    {res::kIpBrightness, -100, 100, 0xFFFFFF, 0xFFFFFF, 0x000000},
    {res::kIpContrast, -3, 3, 0xFFFFFF, 0x646464, 0x646464},
    {res::kIpBlue, -100, 100, 0xFF0000, 0xFF4040, 0xFFC4C4},
    {res::kIpGreen, -100, 100, 0x00FF00, 0x40FF40, 0xC4FFC4},
    {res::kIpRed, -100, 100, 0x0000FF, 0x4040FF, 0xC4C4FF},
};

constexpr ToolTipText kTips[] = {
    {res::kIpRed, res::kStrTipRed},
    {res::kIpGreen, res::kStrTipGreen},
    {res::kIpBlue, res::kStrTipBlue},
    {res::kIpContrast, res::kStrTipContrast},
    {res::kIpBrightness, res::kStrTipBrightness},
    {res::kIpInvert, res::kStrTipInvert},
    {res::kIpMirrorV, res::kStrTipMirrorVertical},
    {res::kIpMirrorH, res::kStrTipMirrorHorizontal},
    {res::kIpFilter, res::kStrTipFilter},
};

struct ToggleLook {
    int control;
    int on, off;
};
ToggleLook ToggleOf(ImageParamsModel::Flag flag) {
    switch (flag) {
        case ImageParamsModel::Flag::Invert:
            return {res::kIpInvert, res::kIconInvertOn, res::kIconInvertOff};
        case ImageParamsModel::Flag::MirrorV:
            return {res::kIpMirrorV, res::kIconMirrorVOn, res::kIconMirrorVOff};
        case ImageParamsModel::Flag::MirrorH:
            return {res::kIpMirrorH, res::kIconMirrorHOn, res::kIconMirrorHOff};
    }
    return {};
}

// Moves a control up by `dy` pixels, or shrinks it by that much.
void Shift(HWND dialog, int id, int dy, bool shrink) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    if (shrink) {
        SetWindowPos(control, nullptr, 0, 0, r.right - r.left, r.bottom - r.top - dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(control, nullptr, r.left, r.top - dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

CImageParamsDialog::CImageParamsDialog(CScanSettings& settings,
                                       std::function<void(HDC, const RECT&)> drawSample)
    : settings_(settings), drawSample_(std::move(drawSample)) {}

BOOL CImageParamsDialog::OnInitDialog() {
    toolTip_ = CreateToolTips(hwnd(), kTips);
    background_.LoadFromResource(res::kBackgroundBitmap, ResourceModule());
    for (size_t i = 0; i < std::size(kCaptions); ++i) {
        const Caption& c = kCaptions[i];
        if (c.control == res::kIpFilterCaption) {
            SetWindowTextA(hwnd(), ResourceStrings().Load(res::kStrImageParamsTitle).c_str());
        }
        captions_[i].Attach(hwnd(), c.control, ResourceStrings().Load(c.text), c.colour,
                            kCaptionFace, kCaptionHeight, kCaptionWeight);
    }
    ok_.Subclass(hwnd(), IDOK);
    ok_.SetIcons(res::kIconOkHover, res::kIconOk, 0);
    reset_.Subclass(hwnd(), res::kIpReset);
    reset_.SetIcons(res::kIconResetHover, res::kIconReset, 0);
    cancel_.Subclass(hwnd(), IDCANCEL);
    cancel_.SetIcons(res::kIconCancelHover, res::kIconCancel, 0);

    model_.emplace(settings_);
    SetUpSliders();
    ReadSliders();
    invert_.Subclass(hwnd(), res::kIpInvert);
    mirrorV_.Subclass(hwnd(), res::kIpMirrorV);
    mirrorH_.Subclass(hwnd(), res::kIpMirrorH);
    for (auto flag : {ImageParamsModel::Flag::Invert, ImageParamsModel::Flag::MirrorV,
                      ImageParamsModel::Flag::MirrorH}) {
        ShowToggle(flag);
    }
    for (unsigned id : {res::kStrFilterNone, res::kStrFilterSharpen, res::kStrFilterDescreen}) {
        SendDlgItemMessageA(hwnd(), res::kIpFilter, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(ResourceStrings().Load(id).c_str()));
    }
    SendDlgItemMessageA(hwnd(), res::kIpFilter, CB_SETCURSEL, settings_.FilterIndex(), 0);
    if (!model_->ColourShown()) CompactLayout();
    timer_ = SetTimer(hwnd(), kRedrawTimer, kRedrawPeriodMs, nullptr);
    return TRUE;
}

void CImageParamsDialog::SetUpSliders() {
    for (size_t i = 0; i < std::size(kSliders); ++i) {
        const Slider& s = kSliders[i];
        HWND control = Item(s.control);
        SendMessageA(control, TBM_SETRANGE, TRUE, MAKELPARAM(s.lower, s.upper));
        sliders_[i].Subclass(hwnd(), s.control);
        sliders_[i].SetFaceColor(s.face);
        sliders_[i].SetHighlightColor(s.highlight);
        sliders_[i].SetChannelColor(s.channel);
    }
    SendDlgItemMessageA(hwnd(), res::kIpContrast, TBM_SETSEL, TRUE, MAKELPARAM(-3, 0));
    SendDlgItemMessageA(hwnd(), res::kIpBrightness, TBM_SETSEL, TRUE, MAKELPARAM(-100, 0));
    // Through -1 first, so that a value of 0 still moves the thumb.
    for (const Slider& s : kSliders)
        SendDlgItemMessageA(hwnd(), s.control, TBM_SETPOS, TRUE, -1);
    SetSliders(model_->Initial());
}

void CImageParamsDialog::SetSliders(const SliderPositions& p) {
    const std::pair<int, int> positions[] = {{res::kIpRed, p.red},
                                             {res::kIpGreen, p.green},
                                             {res::kIpBlue, p.blue},
                                             {res::kIpContrast, p.contrast},
                                             {res::kIpBrightness, p.brightness}};
    for (const auto& [control, position] : positions) {
        SendDlgItemMessageA(hwnd(), control, TBM_SETPOS, TRUE, position);
    }
}

void CImageParamsDialog::ReadSliders() {
    auto position = [this](int control) {
        return static_cast<int>(SendDlgItemMessageA(hwnd(), control, TBM_GETPOS, 0, 0));
    };
    SliderPositions p;
    p.red = position(res::kIpRed);
    p.green = position(res::kIpGreen);
    p.blue = position(res::kIpBlue);
    p.contrast = position(res::kIpContrast);
    p.brightness = position(res::kIpBrightness);
    model_->ReadSliders(p);
    auto show = [this](int control, int value) {
        SetDlgItemTextA(hwnd(), control, std::to_string(value).c_str());
    };
    if (model_->ColourShown()) {
        show(res::kIpRedValue, settings_.Red());
        show(res::kIpGreenValue, settings_.Green());
        show(res::kIpBlueValue, settings_.Blue());
    } else {
        for (int id : {res::kIpRedValue, res::kIpGreenValue, res::kIpBlueValue}) {
            ShowWindow(Item(id), SW_HIDE);
        }
    }
    show(res::kIpContrastValue, settings_.ContrastWhole());
    show(res::kIpBrightnessValue, settings_.BrightnessWhole());
    // The brightness slider's highlighted part runs from its start to the thumb.
    SendDlgItemMessageA(hwnd(), res::kIpBrightness, TBM_SETSEL, TRUE,
                        MAKELPARAM(-100, settings_.BrightnessWhole()));
    InvalidateRect(Item(res::kIpBrightness), nullptr, FALSE);
}

void CImageParamsDialog::ShowToggle(ImageParamsModel::Flag flag) {
    const ToggleLook look = ToggleOf(flag);
    CIconButton& button = flag == ImageParamsModel::Flag::Invert    ? invert_
                          : flag == ImageParamsModel::Flag::MirrorV ? mirrorV_
                                                                    : mirrorH_;
    const int icon = model_->IsOn(flag) ? look.on : look.off;
    button.SetIcons(icon, icon, icon);
}

void CImageParamsDialog::CompactLayout() {
    for (int id : {res::kIpRedCaption, res::kIpRed, res::kIpGreenCaption, res::kIpGreen,
                   res::kIpBlueCaption, res::kIpBlue}) {
        ShowWindow(Item(id), SW_HIDE);
    }
    Shift(hwnd(), res::kIpSliderFrame, 60, true);
    for (int id : {res::kIpContrastCaption, res::kIpContrast, res::kIpContrastValue}) {
        Shift(hwnd(), id, 90, false);
    }
    for (int id : {res::kIpBrightnessCaption, res::kIpBrightness, res::kIpBrightnessValue}) {
        Shift(hwnd(), id, 70, false);
    }
    for (int id : {res::kIpInvert, res::kIpMirrorV, res::kIpMirrorH, res::kIpFilterCaption,
                   res::kIpFilter}) {
        Shift(hwnd(), id, 40, false);
    }
}

void CImageParamsDialog::DrawSample() {
    if (!drawSample_) return;
    RECT box;
    GetWindowRect(Item(res::kIpSample), &box);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&box), 2);
    HDC dc = GetDC(hwnd());
    if (dc == nullptr) return;
    drawSample_(dc, box);
    ReleaseDC(hwnd(), dc);
}

void CImageParamsDialog::Toggle(ImageParamsModel::Flag flag) {
    model_->Toggle(flag);
    ShowToggle(flag);
    DrawSample();
}

bool CImageParamsDialog::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case res::kIpInvert:
            if (code == BN_CLICKED) Toggle(ImageParamsModel::Flag::Invert);
            return true;
        case res::kIpMirrorV:
            if (code == BN_CLICKED) Toggle(ImageParamsModel::Flag::MirrorV);
            return true;
        case res::kIpMirrorH:
            if (code == BN_CLICKED) Toggle(ImageParamsModel::Flag::MirrorH);
            return true;
        case res::kIpFilter:
            if (code == CBN_SELCHANGE) {
                model_->SelectFilter(
                    static_cast<int>(SendDlgItemMessageA(hwnd(), id, CB_GETCURSEL, 0, 0)));
                DrawSample();
            } else if (code == CBN_EDITCHANGE) {
                // Typed text shows "none"; the filter in force changes only with a choice.
                SendDlgItemMessageA(hwnd(), id, CB_SETCURSEL, 0, 0);
            }
            return true;
        case res::kIpReset:
            if (code == BN_CLICKED) {
                SetSliders(model_->Reset());
                SendDlgItemMessageA(hwnd(), res::kIpFilter, CB_SETCURSEL, 0, 0);
                for (auto flag : {ImageParamsModel::Flag::Invert, ImageParamsModel::Flag::MirrorV,
                                  ImageParamsModel::Flag::MirrorH}) {
                    ShowToggle(flag);
                }
                ReadSliders();
                DrawSample();
                redrawDone_ = true;
            }
            return true;
        case IDCANCEL:
            model_->Cancel();
            EndModal(IDCANCEL);
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

bool CImageParamsDialog::OnTimer(UINT_PTR id) {
    if (id != kRedrawTimer) return false;
    redrawDone_ = false;
    // A move that came while the sample was fresh is drawn now, so the sample
    // always ends up showing where the thumbs were left.
    if (redrawPending_) {
        redrawPending_ = false;
        DrawSample();
        redrawDone_ = true;
    }
    return true;
}

bool CImageParamsDialog::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    return background_.DrawTo(dc, &client, nullptr, nullptr, false);
}

HBRUSH CImageParamsDialog::OnControlColour(HDC dc, HWND control, UINT type) {
    LRESULT reflected = 0;
    if (ReflectToControl(type, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control),
                         reflected)) {
        return reinterpret_cast<HBRUSH>(reflected);
    }
    if (type == WM_CTLCOLORLISTBOX) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (type == WM_CTLCOLOREDIT) return GetSysColorBrush(COLOR_WINDOW);
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

void CImageParamsDialog::OnDestroy() {
    if (timer_ != 0) KillTimer(hwnd(), timer_);
    timer_ = 0;
}

bool CImageParamsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_HSCROLL:
            ReadSliders();
            // While a thumb is dragged the sample follows once per timer tick.
            if (!redrawDone_) {
                HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
                DrawSample();
                SetCursor(previous);
                redrawDone_ = true;
            } else {
                redrawPending_ = true;
            }
            return false;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(hwnd(), &paint);
            EndPaint(hwnd(), &paint);
            DrawSample();
            result = 0;
            return true;
        }
        case WM_DRAWITEM:
        case WM_NOTIFY:
            return ReflectToControl(message, wParam, lParam, result);
        default:
            return false;
    }
}

}  // namespace z8::ui
