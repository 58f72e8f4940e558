#include "imaging/resample.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <vector>

namespace z8 {

namespace {

// Source indices and overlaps for each target position along one axis. The
// source position i covers [i × dst, (i + 1) × dst) and the target position
// x covers [x × src, (x + 1) × src): overlaps are whole numbers summing to src.
struct AxisWeights {
    std::vector<std::uint32_t> first;   // first source index of each target
    std::vector<std::uint32_t> offset;  // start of its weights (one more entry at the end)
    std::vector<std::uint32_t> weight;
};

AxisWeights ComputeWeights(std::uint64_t src, std::uint64_t dst) {
    AxisWeights w;
    w.first.reserve(dst);
    w.offset.reserve(dst + 1);
    w.weight.reserve(src + dst);
    for (std::uint64_t x = 0; x < dst; ++x) {
        const std::uint64_t lo = x * src, hi = (x + 1) * src;
        w.first.push_back(static_cast<std::uint32_t>(lo / dst));
        w.offset.push_back(static_cast<std::uint32_t>(w.weight.size()));
        for (std::uint64_t i = lo / dst; i * dst < hi; ++i) {
            const std::uint64_t a = std::max(lo, i * dst), b = std::min(hi, (i + 1) * dst);
            w.weight.push_back(static_cast<std::uint32_t>(b - a));
        }
    }
    w.offset.push_back(static_cast<std::uint32_t>(w.weight.size()));
    return w;
}

// Levels of a 1-bit row through its colour table.
void UnpackBilevel(const std::uint8_t* row, std::int32_t width, const std::uint8_t levels[2],
                   std::uint8_t* out) {
    for (std::int32_t x = 0; x < width; ++x)
        out[x] = levels[(row[x >> 3] >> (7 - (x & 7))) & 1];
}

// Sets the bit of each pixel whose level is nearer the second colour's; the
// target row starts zeroed.
void PackBilevel(const std::uint8_t* values, std::int32_t width, const std::uint8_t levels[2],
                 std::uint8_t* row) {
    const int l0 = levels[0], l1 = levels[1];
    for (std::int32_t x = 0; x < width; ++x) {
        const int v = values[x];
        const bool one = l0 != l1 && std::abs(v - l1) < std::abs(v - l0);
        if (one)
            row[x >> 3] = static_cast<std::uint8_t>(row[x >> 3] | (0x80 >> (x & 7)));
    }
}

template <int Channels>
void ReduceRowHorizontally(const std::uint8_t* src, const AxisWeights& w, std::uint64_t srcWidth,
                           std::uint32_t* out) {
    const std::size_t n = w.first.size();
    for (std::size_t x = 0; x < n; ++x) {
        std::uint64_t sum[Channels] = {};
        const std::uint8_t* p = src + static_cast<std::size_t>(w.first[x]) * Channels;
        for (std::uint32_t k = w.offset[x]; k < w.offset[x + 1]; ++k, p += Channels) {
            for (int c = 0; c < Channels; ++c)
                sum[c] += std::uint64_t{p[c]} * w.weight[k];
        }
        // 8 fraction bits carried to the vertical pass.
        for (int c = 0; c < Channels; ++c)
            out[x * Channels + c] =
                static_cast<std::uint32_t>((sum[c] * 256 + srcWidth / 2) / srcWidth);
    }
}

std::unique_ptr<Image> Resample(const Image& image, std::int32_t dw, std::int32_t dh) {
    auto target = image.CreateLike(dw, dh, image.BitCount());
    if (!target)
        return nullptr;
    const std::uint64_t sw = static_cast<std::uint64_t>(image.Width());
    const std::uint64_t sh = static_cast<std::uint64_t>(image.Height());
    const int channels = image.BitCount() == 24 ? 3 : 1;
    const bool bilevel = image.BitCount() == 1;
    std::uint8_t levels[2] = {};
    if (bilevel) {
        levels[0] = Luminance(image.Palette()[0]);
        levels[1] = Luminance(image.Palette()[1]);
    }

    const AxisWeights across = ComputeWeights(sw, static_cast<std::uint64_t>(dw));
    const AxisWeights down = ComputeWeights(sh, static_cast<std::uint64_t>(dh));
    const std::size_t n = static_cast<std::size_t>(dw) * channels;
    std::vector<std::uint32_t> reduced(n);
    std::vector<std::uint64_t> sum(n);
    std::vector<std::uint8_t> unpacked(bilevel ? sw : 0);
    std::vector<std::uint8_t> out(bilevel ? n : 0);
    std::int64_t reducedRow = -1;

    for (std::int32_t y = 0; y < dh; ++y) {
        std::fill(sum.begin(), sum.end(), 0);
        std::uint32_t r = down.first[y];
        for (std::uint32_t k = down.offset[y]; k < down.offset[y + 1]; ++k, ++r) {
            if (reducedRow != r) {
                const std::uint8_t* src = image.Row(static_cast<std::int32_t>(r));
                if (bilevel) {
                    UnpackBilevel(src, image.Width(), levels, unpacked.data());
                    src = unpacked.data();
                }
                if (channels == 3)
                    ReduceRowHorizontally<3>(src, across, sw, reduced.data());
                else
                    ReduceRowHorizontally<1>(src, across, sw, reduced.data());
                reducedRow = r;
            }
            const std::uint64_t wy = down.weight[k];
            for (std::size_t i = 0; i < n; ++i)
                sum[i] += reduced[i] * wy;
        }
        std::uint8_t* dst = bilevel ? out.data() : target->Row(y);
        const std::uint64_t total = sh * 256;
        for (std::size_t i = 0; i < n; ++i)
            dst[i] = static_cast<std::uint8_t>((sum[i] + total / 2) / total);
        if (bilevel)
            PackBilevel(out.data(), dw, levels, target->Row(y));
    }
    const ImageHeader h = image.Header();
    target->SetResolution(
        static_cast<std::int32_t>((std::int64_t{h.xPelsPerMeter} * dw + image.Width() / 2) /
                                  image.Width()),
        static_cast<std::int32_t>((std::int64_t{h.yPelsPerMeter} * dh + image.Height() / 2) /
                                  image.Height()));
    return target;
}

}  // namespace

std::unique_ptr<Image> CopyAtSize(const Image& image, std::int32_t width, std::int32_t height) {
    if (width < 0 || height < 0)
        return nullptr;
    const std::int32_t dw = width == 0 ? image.Width() : width;
    const std::int32_t dh = height == 0 ? image.Height() : height;
    if (dw == image.Width() && dh == image.Height()) {
        auto copy = image.CreateLike(dw, dh, image.BitCount());
        if (copy) {
            std::copy_n(image.Pixels(), image.BytesPerLine() * static_cast<std::size_t>(dh),
                        copy->Pixels());
        }
        return copy;
    }
    try {
        return Resample(image, dw, dh);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace z8
