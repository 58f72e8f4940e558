#include "imaging/point_operations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace z8 {

namespace {

int ClampAmount(int amount) {
    return std::clamp(amount, -100, 100);
}

std::uint8_t ClampLevel(double level) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(level), 0l, 255l));
}

LevelTable IdentityTable() {
    LevelTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(i);
    return table;
}

// Eight independent look-ups per step keep the loads in flight.
void MapBytes(std::uint8_t* p, std::size_t n, const LevelTable& table) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        const std::uint8_t a = table[p[i]], b = table[p[i + 1]], c = table[p[i + 2]],
                           d = table[p[i + 3]], e = table[p[i + 4]], f = table[p[i + 5]],
                           g = table[p[i + 6]], h = table[p[i + 7]];
        p[i] = a;
        p[i + 1] = b;
        p[i + 2] = c;
        p[i + 3] = d;
        p[i + 4] = e;
        p[i + 5] = f;
        p[i + 6] = g;
        p[i + 7] = h;
    }
    for (; i < n; ++i)
        p[i] = table[p[i]];
}

void ApplyToColourRows(Image& image, const LevelTable& table, unsigned mask) {
    const std::size_t rowBytes = image.PixelBytesPerRow();
    if ((mask & kAllChannels) == kAllChannels) {
        for (std::int32_t r = 0; r < image.Height(); ++r)
            MapBytes(image.Row(r), rowBytes, table);
        return;
    }
    const LevelTable identity = IdentityTable();
    const LevelTable& blue = mask & kChannelBlue ? table : identity;
    const LevelTable& green = mask & kChannelGreen ? table : identity;
    const LevelTable& red = mask & kChannelRed ? table : identity;
    for (std::int32_t r = 0; r < image.Height(); ++r) {
        std::uint8_t* p = image.Row(r);
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            p[i] = blue[p[i]];
            p[i + 1] = green[p[i + 1]];
            p[i + 2] = red[p[i + 2]];
        }
    }
}

// Each of the two colours goes to the colour whose level is nearest its
// mapped level; the four outcomes are bitwise operations on whole bytes.
void ApplyToBilevelRows(Image& image, const LevelTable& table) {
    const auto palette = image.Palette();
    const int level0 = Luminance(palette[0]);
    const int level1 = Luminance(palette[1]);
    if (level0 == level1)
        return;
    auto nearest = [&](int mapped) {
        return std::abs(mapped - level0) <= std::abs(mapped - level1) ? 0 : 1;
    };
    const int to0 = nearest(table[level0]);
    const int to1 = nearest(table[level1]);
    if (to0 == 0 && to1 == 1)
        return;
    const std::uint8_t flip = to0 == 1 && to1 == 0 ? 0xFF : 0x00;
    const bool constant = to0 == to1;
    const std::uint8_t fill = to0 == 1 ? 0xFF : 0x00;

    const std::size_t rowBytes = image.PixelBytesPerRow();
    const unsigned tailBits = static_cast<unsigned>(image.Width()) % 8;
    const std::uint8_t lastMask =
        tailBits ? static_cast<std::uint8_t>(0xFF << (8 - tailBits)) : 0xFF;
    for (std::int32_t r = 0; r < image.Height(); ++r) {
        std::uint8_t* p = image.Row(r);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const std::uint8_t changed = constant ? fill : static_cast<std::uint8_t>(p[i] ^ flip);
            const std::uint8_t keep = i + 1 == rowBytes ? static_cast<std::uint8_t>(~lastMask) : 0;
            p[i] = static_cast<std::uint8_t>((changed & ~keep) | (p[i] & keep));
        }
    }
}

}  // namespace

LevelTable BrightnessTable(int amount) {
    const double shift = ClampAmount(amount) * 255.0 / 100.0;
    LevelTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = ClampLevel(i + shift);
    return table;
}

LevelTable ChannelIntensityTable(int amount, int pivot) {
    const int a = ClampAmount(amount);
    const double centre = pivot >= 0 && pivot <= 255 ? pivot : 127.5;
    // +100 would divide by zero: a factor of 256 already sends every level
    // at least half a step from the pivot to an extreme.
    const double factor = a >= 100 ? 256.0 : a >= 0 ? 100.0 / (100 - a) : (100 + a) / 100.0;
    LevelTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = ClampLevel(centre + (i - centre) * factor);
    return table;
}

LevelTable GammaTable(int gammaTimesTen) {
    if (gammaTimesTen <= 0)
        return IdentityTable();
    const double exponent = 10.0 / gammaTimesTen;
    LevelTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = ClampLevel(255.0 * std::pow(i / 255.0, exponent));
    return table;
}

LevelTable InvertTable() {
    LevelTable table;
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<std::uint8_t>(255 - i);
    return table;
}

void ApplyLevelTable(Image& image, const LevelTable& table, unsigned channelMask) {
    switch (image.BitCount()) {
        case 24:
            ApplyToColourRows(image, table, channelMask);
            break;
        case 8:
            if ((channelMask & kAllChannels) == kAllChannels)
                ApplyToColourRows(image, table, kAllChannels);
            break;
        default:
            if ((channelMask & kAllChannels) == kAllChannels)
                ApplyToBilevelRows(image, table);
            break;
    }
}

void AdjustBrightness(Image& image, int amount) {
    if (amount != 0)
        ApplyLevelTable(image, BrightnessTable(amount), kAllChannels);
}

void AdjustChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask) {
    if (amount != 0)
        ApplyLevelTable(image, ChannelIntensityTable(amount, pivot), channelMask);
}

void ApplyGamma(Image& image, int gammaTimesTen) {
    if (gammaTimesTen > 0 && gammaTimesTen != 10)
        ApplyLevelTable(image, GammaTable(gammaTimesTen), kAllChannels);
}

void InvertColours(Image& image) {
    ApplyLevelTable(image, InvertTable(), kAllChannels);
}

}  // namespace z8
