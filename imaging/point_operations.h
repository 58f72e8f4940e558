#pragma once

#include <array>
#include <cstdint>

#include "imaging/image.h"

namespace z8 {

// Point operations: each builds one 256-entry table and runs it over whole
// rows. What the amounts mean (the imaging component is ours to define):
//
// - brightness: amount -100..100 shifts every level by amount/100 × 255,
//   saturating at black and white;
// - channel intensity: amount -100..100 scales the distance of each level
//   from a pivot, by (100 + amount)/100 when lowering and 100/(100 - amount)
//   when raising, so ±25, ±50, ±75 give ×0.75/×1.33, ×0.5/×2, ×0.25/×4 (a
//   scale symmetric in steps) and +100 leaves only the two extremes. The pivot
//   is a level 0..255; -1 (or any value outside that range) means mid-grey
//   127.5. With mask 7 and the -1 pivot this is contrast; a single-channel
//   mask changes that colour's contrast;
// - gamma: value × 10 (22 for 2.2), a power curve level' = 255 × (level /
//   255)^(1/gamma): above 1 lightens the mid-tones, below 1 darkens them, the
//   ends stay; 0 or less changes nothing;
// - invert: level' = 255 - level.
//
// Amounts beyond ±100 count as ±100. The channel mask is 4 red, 2 green,
// 1 blue. 8-bit images are grey levels: they change only when the mask holds
// all three channels. 1-bit images map the level of each of their two colours
// through the table and keep, per pixel, the colour nearest the result, so a
// bilevel picture stays bilevel. Padding bytes and bits are never touched.
inline constexpr unsigned kChannelRed = 4;
inline constexpr unsigned kChannelGreen = 2;
inline constexpr unsigned kChannelBlue = 1;
inline constexpr unsigned kAllChannels = 7;
inline constexpr int kMidGreyPivot = -1;

using LevelTable = std::array<std::uint8_t, 256>;

LevelTable BrightnessTable(int amount);
LevelTable ChannelIntensityTable(int amount, int pivot);
LevelTable GammaTable(int gammaTimesTen);
LevelTable InvertTable();

// A run of point operations on one image, composed as they are added: each of
// the 256 levels is pushed through the steps in order, so the rounding and
// saturation of every step stay in the result (for 1 bit, each of the two
// colours is pushed through the nearest-colour choice of every step). Apply
// then gives, in one pass over the rows, the very bytes the steps one at a
// time would give.
class LevelPass {
public:
    explicit LevelPass(Image& image);
    // The steps of the operations below; a neutral amount adds nothing.
    void Brightness(int amount);
    void ChannelIntensity(int amount, int pivot, unsigned channelMask);
    void Gamma(int gammaTimesTen);
    void Invert();
    // Runs the steps added so far over the image; nothing when none changes it.
    void Apply();
    const Image& Target() const { return image_; }

private:
    // A step: the table over the channels of the mask (see above for 1 and
    // 8 bits).
    void Add(const LevelTable& table, unsigned channelMask);

    Image& image_;
    std::array<LevelTable, 3> channels_;  // blue, green, red: the order of the bytes
    std::array<int, 2> bilevel_{0, 1};    // the colour each of the two becomes
    bool changed_ = false;
};

// Each a pass of one step.
void AdjustBrightness(Image& image, int amount);
void AdjustChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask);
void ApplyGamma(Image& image, int gammaTimesTen);
void InvertColours(Image& image);

}  // namespace z8
