#pragma once

// Identifiers of the data source's dialog templates, controls and pictures.
// The resource scripts include this file and see the macros; the code uses
// the named constants below them.

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_SCANNER 102
#define IDD_PROGRESS 213

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

// The busy timer of a run.
inline constexpr unsigned kBusyTimer = 1;
inline constexpr unsigned kBusyTimerPeriodMs = 300;

}  // namespace z8::res

#endif
