#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace z8scan {

// A captured picture: rows from the top, each pixel 0x00RRGGBB (a top-down
// 32-bit DIB section read as words).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

enum class PictureFormat { Bmp, Png };

// By the file name's extension, .bmp or .png in any case.
std::optional<PictureFormat> PictureFormatFor(std::string_view fileName);

// The whole file: a 24-bit bottom-up BMP, or an 8-bit RGB PNG whose data is
// stored without compression (readers need no more than that).
std::vector<uint8_t> EncodePicture(const Picture& picture, PictureFormat format);

}  // namespace z8scan
