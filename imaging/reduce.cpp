#include "imaging/reduce.h"

#include <algorithm>
#include <new>
#include <vector>

namespace z8 {

namespace {

// Grey levels of one memory row of any depth.
void GreyRow(const Image& image, std::int32_t memoryRow, std::uint8_t* out) {
    const std::uint8_t* p = image.Row(memoryRow);
    const std::int32_t w = image.Width();
    switch (image.BitCount()) {
        case 24:
            for (std::int32_t x = 0; x < w; ++x, p += 3)
                out[x] = Luminance(p[2], p[1], p[0]);
            break;
        case 8: {
            std::uint8_t level[256];
            const auto palette = image.Palette();
            for (int i = 0; i < 256; ++i)
                level[i] = Luminance(palette[i]);
            for (std::int32_t x = 0; x < w; ++x)
                out[x] = level[p[x]];
            break;
        }
        default: {
            const std::uint8_t level[2] = {Luminance(image.Palette()[0]),
                                           Luminance(image.Palette()[1])};
            for (std::int32_t x = 0; x < w; ++x)
                out[x] = level[(p[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        }
    }
}

std::unique_ptr<Image> Dither(const Image& image) {
    auto target = image.CreateLike(image.Width(), image.Height(), 1);
    if (!target)
        return nullptr;
    target->Palette()[0] = RgbQuad{0, 0, 0, 0};
    target->Palette()[1] = RgbQuad{255, 255, 255, 0};
    const std::int32_t w = image.Width();
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(w));
    // Errors carried to the current and the next row, one guard cell each side.
    std::vector<int> here(static_cast<std::size_t>(w) + 2), below(here.size());
    for (std::int32_t r = image.Height() - 1; r >= 0; --r) {
        GreyRow(image, r, grey.data());
        std::uint8_t* out = target->Row(r);
        for (std::int32_t x = 0; x < w; ++x) {
            const int wanted = grey[x] + here[x + 1] / 16;
            const int shown = wanted >= 128 ? 255 : 0;
            if (shown)
                out[x >> 3] = static_cast<std::uint8_t>(out[x >> 3] | (0x80 >> (x & 7)));
            const int error = wanted - shown;
            here[x + 2] += error * 7;
            below[x] += error * 3;
            below[x + 1] += error * 5;
            below[x + 2] += error;
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), 0);
    }
    return target;
}

}  // namespace

std::unique_ptr<Image> ReduceToGrey(const Image& image) {
    auto target = image.CreateLike(image.Width(), image.Height(), 8);
    if (!target)
        return nullptr;
    auto palette = target->Palette();
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        palette[i] = RgbQuad{v, v, v, 0};
    }
    for (std::int32_t r = 0; r < image.Height(); ++r)
        GreyRow(image, r, target->Row(r));
    return target;
}

std::unique_ptr<Image> ReduceToBlackAndWhite(const Image& image) {
    try {
        return Dither(image);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace z8
