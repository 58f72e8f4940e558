#include "imaging/filters.h"

#include <algorithm>
#include <new>
#include <vector>

namespace z8 {

namespace {

template <int Channels, ImageFilter Kind>
void FilterRow(const std::uint8_t* prior, const std::uint8_t* centre, const std::uint8_t* next,
               std::int32_t width, std::uint8_t* out) {
    const std::size_t last = static_cast<std::size_t>(width - 1) * Channels;
    for (std::int32_t x = 0; x < width; ++x) {
        const std::size_t i = static_cast<std::size_t>(x) * Channels;
        const std::size_t left = x > 0 ? i - Channels : i;
        const std::size_t right = i < last ? i + Channels : i;
        for (int c = 0; c < Channels; ++c) {
            int v;
            if constexpr (Kind == ImageFilter::Sharpen) {
                v = 5 * centre[i + c] - prior[i + c] - next[i + c] - centre[left + c] -
                    centre[right + c];
            } else {
                v = (prior[left + c] + 2 * prior[i + c] + prior[right + c] + 2 * centre[left + c] +
                     4 * centre[i + c] + 2 * centre[right + c] + next[left + c] + 2 * next[i + c] +
                     next[right + c] + 8) >>
                    4;
            }
            out[i + c] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
        }
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
