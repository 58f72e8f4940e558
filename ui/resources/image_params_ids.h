#pragma once

// Identifiers of the image parameters dialog (template 129). The resource
// scripts see the macros; the code uses the named constants below them.

#define IDD_IMAGE_PARAMS 129

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

}  // namespace z8::res

#endif
