#pragma once

// Identifiers of the scanning dialog's controls (template 102).

namespace z8::res {

inline constexpr int kScannerDialogTemplate = 102;
inline constexpr int kAboutTemplate = 100;

inline constexpr int kScanButton = 1;  // IDOK
inline constexpr int kCancelButton = 2;
inline constexpr int kStopButton = 3;
inline constexpr int kProgressBar = 1000;
inline constexpr int kPreviewButton = 1001;
inline constexpr int kImageParamsButton = 1011;
inline constexpr int kRulerUnitButton = 1014;
inline constexpr int kStoreProfileButton = 1018;
inline constexpr int kDeleteProfileButton = 1019;
inline constexpr int kNewProfileButton = 1020;
inline constexpr int kBlackWhiteButton = 1029;
inline constexpr int kGreyButton = 1030;
inline constexpr int kColourButton = 1031;
inline constexpr int kFeederButton = 1032;
inline constexpr int kFlatbedButton = 1033;
inline constexpr int kPreviewPane = 1042;
inline constexpr int kResolutionCaption = 1050;
inline constexpr int kProfileCombo = 1058;
inline constexpr int kImageCaption = 1061;
inline constexpr int kProfileCaption = 1062;
inline constexpr int kStatusLabel = 1064;
inline constexpr int kResolutionCombo = 1076;

// The busy timer of a run.
inline constexpr unsigned kBusyTimer = 1;
inline constexpr unsigned kBusyTimerPeriodMs = 300;

}  // namespace z8::res
