#pragma once

// Identifiers of the data source's dialog templates, controls and pictures.
// The resource scripts include this file and see the macros; the code uses
// the named constants below them.

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_SCANNER 102
#define IDD_PROGRESS 213
#define IDD_IMAGE_PARAMS 129

// The source's icon (big and small icon of the scanning dialog).
#define IDI_SOURCE 128

// The scanning dialog (IDD_SCANNER). 1 and 2 are IDOK and IDCANCEL, so Enter
// scans and Esc cancels.
#define IDC_SCAN 1
#define IDC_CANCEL_SCAN 2
#define IDC_STOP 3
#define IDC_SCAN_PROGRESS 1000
#define IDC_PREVIEW 1001
#define IDC_IMAGE_PARAMS 1011
#define IDC_RULER_UNIT 1014
#define IDC_STORE_PROFILE 1018
#define IDC_DELETE_PROFILE 1019
#define IDC_NEW_PROFILE 1020
#define IDC_BLACK_WHITE 1029
#define IDC_GREY 1030
#define IDC_COLOUR 1031
#define IDC_FEEDER 1032
#define IDC_FLATBED 1033
#define IDC_PREVIEW_PANE 1042
#define IDC_RESOLUTION_CAPTION 1050
#define IDC_FILE_SIZE 1055
#define IDC_HEIGHT 1056
#define IDC_WIDTH 1057
#define IDC_PROFILES 1058
#define IDC_HORIZONTAL_RULER 1059
#define IDC_VERTICAL_RULER 1060
#define IDC_IMAGE_CAPTION 1061
#define IDC_PROFILE_CAPTION 1062
#define IDC_STATUS 1064
#define IDC_RESOLUTIONS 1076
#define IDC_SOURCE_GROUP 1083

// The progress window (IDD_PROGRESS).
#define IDC_PROGRESS_TEXT 1084
#define IDC_PROGRESS_BAR 1085
#define IDC_PROGRESS_STOP 1086

// The image parameters dialog (IDD_IMAGE_PARAMS).
#define IDC_IP_RESET 1002
#define IDC_IP_CONTRAST 1010
#define IDC_IP_RED 1011
#define IDC_IP_BRIGHTNESS 1013
#define IDC_IP_GREEN 1014
#define IDC_IP_BLUE 1015
#define IDC_IP_FILTER 1017
#define IDC_IP_MIRROR_V 1034
#define IDC_IP_MIRROR_H 1035
#define IDC_IP_INVERT 1036
#define IDC_IP_SAMPLE 1060
#define IDC_IP_RED_CAPTION 1065
#define IDC_IP_GREEN_CAPTION 1066
#define IDC_IP_BLUE_CAPTION 1067
#define IDC_IP_CONTRAST_CAPTION 1068
#define IDC_IP_BRIGHTNESS_CAPTION 1069
#define IDC_IP_FILTER_CAPTION 1071
#define IDC_IP_RED_VALUE 1075
#define IDC_IP_GREEN_VALUE 1076
#define IDC_IP_BLUE_VALUE 1077
#define IDC_IP_CONTRAST_VALUE 1078
#define IDC_IP_BRIGHTNESS_VALUE 1079
#define IDC_IP_SLIDER_FRAME 1082

#ifndef RC_INVOKED

namespace z8::res {

inline constexpr int kScannerDialogTemplate = IDD_SCANNER;
inline constexpr int kAboutTemplate = IDD_ABOUT;
inline constexpr int kProgressTemplate = IDD_PROGRESS;
inline constexpr int kSourceIcon = IDI_SOURCE;

inline constexpr int kScanButton = IDC_SCAN;
inline constexpr int kCancelButton = IDC_CANCEL_SCAN;
inline constexpr int kStopButton = IDC_STOP;
inline constexpr int kProgressBar = IDC_SCAN_PROGRESS;
inline constexpr int kPreviewButton = IDC_PREVIEW;
inline constexpr int kImageParamsButton = IDC_IMAGE_PARAMS;
inline constexpr int kRulerUnitButton = IDC_RULER_UNIT;
inline constexpr int kStoreProfileButton = IDC_STORE_PROFILE;
inline constexpr int kDeleteProfileButton = IDC_DELETE_PROFILE;
inline constexpr int kNewProfileButton = IDC_NEW_PROFILE;
inline constexpr int kBlackWhiteButton = IDC_BLACK_WHITE;
inline constexpr int kGreyButton = IDC_GREY;
inline constexpr int kColourButton = IDC_COLOUR;
inline constexpr int kFeederButton = IDC_FEEDER;
inline constexpr int kFlatbedButton = IDC_FLATBED;
inline constexpr int kPreviewPane = IDC_PREVIEW_PANE;
inline constexpr int kResolutionCaption = IDC_RESOLUTION_CAPTION;
inline constexpr int kFileSizeLabel = IDC_FILE_SIZE;
inline constexpr int kHeightLabel = IDC_HEIGHT;
inline constexpr int kWidthLabel = IDC_WIDTH;
inline constexpr int kProfileCombo = IDC_PROFILES;
inline constexpr int kHorizontalRuler = IDC_HORIZONTAL_RULER;
inline constexpr int kVerticalRuler = IDC_VERTICAL_RULER;
inline constexpr int kImageCaption = IDC_IMAGE_CAPTION;
inline constexpr int kProfileCaption = IDC_PROFILE_CAPTION;
inline constexpr int kStatusLabel = IDC_STATUS;
inline constexpr int kResolutionCombo = IDC_RESOLUTIONS;

inline constexpr int kProgressText = IDC_PROGRESS_TEXT;
inline constexpr int kProgressWindowBar = IDC_PROGRESS_BAR;
inline constexpr int kProgressStop = IDC_PROGRESS_STOP;

inline constexpr int kImageParamsTemplate = IDD_IMAGE_PARAMS;
inline constexpr int kIpReset = IDC_IP_RESET;
inline constexpr int kIpContrast = IDC_IP_CONTRAST;
inline constexpr int kIpRed = IDC_IP_RED;
inline constexpr int kIpBrightness = IDC_IP_BRIGHTNESS;
inline constexpr int kIpGreen = IDC_IP_GREEN;
inline constexpr int kIpBlue = IDC_IP_BLUE;
inline constexpr int kIpFilter = IDC_IP_FILTER;
inline constexpr int kIpMirrorV = IDC_IP_MIRROR_V;
inline constexpr int kIpMirrorH = IDC_IP_MIRROR_H;
inline constexpr int kIpInvert = IDC_IP_INVERT;
inline constexpr int kIpSample = IDC_IP_SAMPLE;
inline constexpr int kIpRedCaption = IDC_IP_RED_CAPTION;
inline constexpr int kIpGreenCaption = IDC_IP_GREEN_CAPTION;
inline constexpr int kIpBlueCaption = IDC_IP_BLUE_CAPTION;
inline constexpr int kIpContrastCaption = IDC_IP_CONTRAST_CAPTION;
inline constexpr int kIpBrightnessCaption = IDC_IP_BRIGHTNESS_CAPTION;
inline constexpr int kIpFilterCaption = IDC_IP_FILTER_CAPTION;
inline constexpr int kIpRedValue = IDC_IP_RED_VALUE;
inline constexpr int kIpGreenValue = IDC_IP_GREEN_VALUE;
inline constexpr int kIpBlueValue = IDC_IP_BLUE_VALUE;
inline constexpr int kIpContrastValue = IDC_IP_CONTRAST_VALUE;
inline constexpr int kIpBrightnessValue = IDC_IP_BRIGHTNESS_VALUE;
inline constexpr int kIpSliderFrame = IDC_IP_SLIDER_FRAME;

// Generated icons and bitmaps.
inline constexpr int kBackgroundBitmap = 166;

// The stop button: hover, disabled and the four frames of its animation (the
// first also at rest).
inline constexpr int kIconStopHover = 177;
inline constexpr int kIconStopDisabled = 205;
inline constexpr int kIconStopFrame1 = 176;
inline constexpr int kIconStopFrame2 = 206;
inline constexpr int kIconStopFrame3 = 207;
inline constexpr int kIconStopFrame4 = 223;

// The image parameters dialog: toggles on and off, then OK, reset and Cancel
// (hover, normal).
inline constexpr int kIconInvertOn = 154;
inline constexpr int kIconInvertOff = 142;
inline constexpr int kIconMirrorVOn = 153;
inline constexpr int kIconMirrorVOff = 141;
inline constexpr int kIconMirrorHOn = 179;
inline constexpr int kIconMirrorHOff = 178;
inline constexpr int kIconOkHover = 211;
inline constexpr int kIconOk = 210;
inline constexpr int kIconResetHover = 217;
inline constexpr int kIconReset = 216;
inline constexpr int kIconCancelHover = 214;
inline constexpr int kIconCancel = 213;

// The busy timer of a run.
inline constexpr unsigned kBusyTimer = 1;
inline constexpr unsigned kBusyTimerPeriodMs = 300;

}  // namespace z8::res

#endif
