#pragma once

// The caption labels' look: Times New Roman, bold, in a soft violet
// (0x00BBGGRR), drawn over the background bitmap.

namespace z8::ui {

inline constexpr unsigned kCaptionColour = 0xAA7FAA;
inline constexpr const char* kCaptionFace = "Times New Roman";
inline constexpr int kCaptionHeight = 17;
inline constexpr int kCaptionWeight = 700;

}  // namespace z8::ui
