#include "imaging/filters.h"

#include <algorithm>
#include <new>
#include <vector>

namespace z8 {

namespace {

template <ImageFilter Kind>
inline std::uint8_t Kernel(int upLeft, int up, int upRight, int left, int centre, int right,
                           int downLeft, int down, int downRight) {
    int v;
    if constexpr (Kind == ImageFilter::Sharpen) {
        v = 5 * centre - up - down - left - right;
        (void)upLeft, (void)upRight, (void)downLeft, (void)downRight;
    } else {
        v = (upLeft + 2 * up + upRight + 2 * left + 4 * centre + 2 * right + downLeft + 2 * down +
             downRight + 8) >>
            4;
    }
    return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

// One row from the original rows around it. The inner pixels run as one flat
// loop over bytes with fixed offsets (which the compiler vectorises); the two
// border pixels repeat themselves outward.
template <int C, ImageFilter Kind>
void FilterRow(const std::uint8_t* __restrict p, const std::uint8_t* __restrict c,
               const std::uint8_t* __restrict n, std::int32_t width, std::uint8_t* __restrict out) {
    const std::size_t bytes = static_cast<std::size_t>(width) * C;
    auto border = [&](std::size_t i, std::size_t l, std::size_t r) {
        out[i] = Kernel<Kind>(p[l], p[i], p[r], c[l], c[i], c[r], n[l], n[i], n[r]);
    };
    for (std::size_t i = 0; i < C; ++i)
        border(i, i, width > 1 ? i + C : i);
    for (std::size_t i = C; i + C < bytes; ++i) {
        out[i] = Kernel<Kind>(p[i - C], p[i], p[i + C], c[i - C], c[i], c[i + C], n[i - C], n[i],
                              n[i + C]);
    }
    if (width > 1) {
        for (std::size_t i = bytes - C; i < bytes; ++i)
            border(i, i - C, i);
    }
}

// Rows are filtered in memory order: the original of the previous row is kept
// aside before each row is overwritten, the next row is still untouched.
template <int Channels, ImageFilter Kind>
void FilterImage(Image& image) {
    const std::size_t n = image.PixelBytesPerRow();
    const std::int32_t h = image.Height();
    std::vector<std::uint8_t> previous(n), current(n);
    std::copy_n(image.Row(0), n, previous.data());
    for (std::int32_t r = 0; r < h; ++r) {
        std::copy_n(image.Row(r), n, current.data());
        const std::uint8_t* next = r + 1 < h ? image.Row(r + 1) : current.data();
        FilterRow<Channels, Kind>(previous.data(), current.data(), next, image.Width(),
                                  image.Row(r));
        previous.swap(current);
    }
}

template <ImageFilter Kind>
void FilterByDepth(Image& image) {
    if (image.BitCount() == 24)
        FilterImage<3, Kind>(image);
    else if (image.BitCount() == 8)
        FilterImage<1, Kind>(image);
}

}  // namespace

void ApplyFilter(Image& image, ImageFilter filter) {
    try {
        if (filter == ImageFilter::Sharpen)
            FilterByDepth<ImageFilter::Sharpen>(image);
        else
            FilterByDepth<ImageFilter::Descreen>(image);
    } catch (const std::bad_alloc&) {
        // The two working rows come first: the image is still untouched.
    }
}

}  // namespace z8
