#include "imaging/point_operations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

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

// Two bytes a look-up, in a table of every pair of levels: half the look-ups
// of the byte table, which bound the speed of a pass. Its 65536 entries are
// worth building over pictures of a megabyte or more only.
constexpr std::size_t kPairsFrom = std::size_t{1} << 20;

using PairTable = std::unique_ptr<std::uint16_t[]>;

// Nothing when the memory cannot be had: the byte table then does the work.
PairTable PairsOf(const LevelTable& table) {
    PairTable pairs(new (std::nothrow) std::uint16_t[65536]);
    if (!pairs) return pairs;
    // An entry holds the two bytes in the order they sit in memory, whatever
    // the order of the bytes of a 16-bit number.
    for (unsigned index = 0; index < 65536; ++index) {
        const auto both = static_cast<std::uint16_t>(index);
        std::uint8_t bytes[2];
        std::memcpy(bytes, &both, 2);
        const std::uint8_t mapped[2] = {table[bytes[0]], table[bytes[1]]};
        std::memcpy(&pairs[index], mapped, 2);
    }
    return pairs;
}

void MapPairs(std::uint8_t* p, std::size_t n, const std::uint16_t* pairs, const LevelTable& table) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint16_t a, b, c, d;
        std::memcpy(&a, p + i, 2);
        std::memcpy(&b, p + i + 2, 2);
        std::memcpy(&c, p + i + 4, 2);
        std::memcpy(&d, p + i + 6, 2);
        a = pairs[a];
        b = pairs[b];
        c = pairs[c];
        d = pairs[d];
        std::memcpy(p + i, &a, 2);
        std::memcpy(p + i + 2, &b, 2);
        std::memcpy(p + i + 4, &c, 2);
        std::memcpy(p + i + 6, &d, 2);
    }
    MapBytes(p + i, n - i, table);
}

// The pixel bytes of every row through one table.
void MapRows(Image& image, const LevelTable& table) {
    const std::size_t rowBytes = image.PixelBytesPerRow();
    const PairTable pairs = rowBytes * static_cast<std::size_t>(image.Height()) >= kPairsFrom
                                ? PairsOf(table)
                                : nullptr;
    for (std::int32_t r = 0; r < image.Height(); ++r) {
        if (pairs)
            MapPairs(image.Row(r), rowBytes, pairs.get(), table);
        else
            MapBytes(image.Row(r), rowBytes, table);
    }
}

void MapColourRows(Image& image, const std::array<LevelTable, 3>& channels) {
    const auto& [blue, green, red] = channels;
    if (blue == green && green == red) {
        MapRows(image, blue);
        return;
    }
    const std::size_t rowBytes = image.PixelBytesPerRow();
    for (std::int32_t r = 0; r < image.Height(); ++r) {
        std::uint8_t* p = image.Row(r);
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            p[i] = blue[p[i]];
            p[i + 1] = green[p[i + 1]];
            p[i + 2] = red[p[i + 2]];
        }
    }
}

// to[i] is the colour that colour i becomes; the four outcomes are bitwise
// operations on whole bytes.
void MapBilevelRows(Image& image, const std::array<int, 2>& to) {
    if (to[0] == 0 && to[1] == 1) return;
    const std::uint8_t flip = to[0] == 1 && to[1] == 0 ? 0xFF : 0x00;
    const bool constant = to[0] == to[1];
    const std::uint8_t fill = to[0] == 1 ? 0xFF : 0x00;

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

void Compose(LevelTable& composed, const LevelTable& step) {
    for (std::uint8_t& level : composed)
        level = step[level];
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
    if (gammaTimesTen <= 0) return IdentityTable();
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

LevelPass::LevelPass(Image& image) : image_(image) {
    channels_.fill(IdentityTable());
}

void LevelPass::Add(const LevelTable& table, unsigned channelMask) {
    const bool allChannels = (channelMask & kAllChannels) == kAllChannels;
    switch (image_.BitCount()) {
        case 24:
            if (channelMask & kChannelBlue) Compose(channels_[0], table);
            if (channelMask & kChannelGreen) Compose(channels_[1], table);
            if (channelMask & kChannelRed) Compose(channels_[2], table);
            changed_ = true;
            break;
        case 8:
            if (!allChannels) return;
            Compose(channels_[0], table);
            changed_ = true;
            break;
        default: {
            // Each colour goes to the colour whose level is nearest its mapped level.
            const auto palette = image_.Palette();
            const int levels[2] = {Luminance(palette[0]), Luminance(palette[1])};
            if (!allChannels || levels[0] == levels[1]) return;
            for (int& colour : bilevel_) {
                const int mapped = table[levels[colour]];
                colour = std::abs(mapped - levels[0]) <= std::abs(mapped - levels[1]) ? 0 : 1;
            }
            changed_ = true;
            break;
        }
    }
}

void LevelPass::Apply() {
    if (!changed_) return;
    switch (image_.BitCount()) {
        case 24:
            MapColourRows(image_, channels_);
            break;
        case 8:
            MapRows(image_, channels_[0]);
            break;
        default:
            MapBilevelRows(image_, bilevel_);
            break;
    }
}

void LevelPass::Brightness(int amount) {
    if (amount != 0) Add(BrightnessTable(amount), kAllChannels);
}

void LevelPass::ChannelIntensity(int amount, int pivot, unsigned channelMask) {
    if (amount != 0) Add(ChannelIntensityTable(amount, pivot), channelMask);
}

void LevelPass::Gamma(int gammaTimesTen) {
    if (gammaTimesTen > 0 && gammaTimesTen != 10) Add(GammaTable(gammaTimesTen), kAllChannels);
}

void LevelPass::Invert() {
    Add(InvertTable(), kAllChannels);
}

void AdjustBrightness(Image& image, int amount) {
    LevelPass pass(image);
    pass.Brightness(amount);
    pass.Apply();
}

void AdjustChannelIntensity(Image& image, int amount, int pivot, unsigned channelMask) {
    LevelPass pass(image);
    pass.ChannelIntensity(amount, pivot, channelMask);
    pass.Apply();
}

void ApplyGamma(Image& image, int gammaTimesTen) {
    LevelPass pass(image);
    pass.Gamma(gammaTimesTen);
    pass.Apply();
}

void InvertColours(Image& image) {
    LevelPass pass(image);
    pass.Invert();
    pass.Apply();
}

}  // namespace z8
