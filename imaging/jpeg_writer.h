#pragma once

#include <optional>

#include "imaging/file_sink.h"
#include "imaging/image.h"
#include "imaging/write_options.h"

namespace z8 {

// "LOSSY_QUALITY": libjpeg's quality scale, 1..100 (the source asks for 30,
// 60 or 90); without the option or a value, libjpeg's own default 75. Any
// other text is refused (nothing).
struct JpegSettings {
    int quality = 75;
};

std::optional<JpegSettings> ReadJpegSettings(const WriteOptions& options);

// A baseline JFIF file by libjpeg-turbo: 24-bit images in colour (YCbCr,
// libjpeg's default 2 × 2 chroma subsampling), 1- and 8-bit images in grey
// through their colour table; rows from the top of the picture; the density
// in dots per inch from the image's resolution (none given when it has
// none). False when libjpeg refuses the image (beyond 65500 pixels a side) or
// the sink fails.
bool WriteJpeg(FileSink& sink, const Image& image, const JpegSettings& settings);

}  // namespace z8
