#pragma once

// Identifiers of the generated icons and bitmaps (tools/pictures), and the
// look of the caption labels drawn over the background.

namespace z8::res {

inline constexpr int kApplicationIcon = 128;
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

// Caption labels: Times New Roman, bold, in a soft violet (0x00BBGGRR).
inline constexpr unsigned kCaptionColour = 0xAA7FAA;
inline constexpr const char* kCaptionFace = "Times New Roman";
inline constexpr int kCaptionHeight = 17;
inline constexpr int kCaptionWeight = 700;

}  // namespace z8::res
