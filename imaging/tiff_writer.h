#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "imaging/file_sink.h"
#include "imaging/image.h"
#include "imaging/write_options.h"

namespace z8 {

// How a TIFF file is written, read from the write options:
// - "TIFF_COMPRESS" "PACKBITS" or "NONE" chooses; without a value, "COMPRESS"
//   "ON" means PackBits and "OFF" (or nothing) none;
// - "TIFF_XRES" / "TIFF_YRES": whole dots per inch, 1..65535; without a value
//   the image's own resolution, or 72 when it has none;
// - "TIFF_ROWSPERSTRIP": rows per strip; without a value strips of about
//   64 KiB;
// - "TIFF_COPYRIGHT": a Copyright tag with that text; without a value none;
// - "TIFF_COLORMODEL", "TIFF_BYTEFORMAT", "TIFF_FILLORDER": only without a
//   value: the model follows the image, the byte order is Intel and the bits
//   fill from the most significant.
// Words compare without regard to case. Any other value of these keys is
// refused (nothing), so no file is written that differs from what was asked.
struct TiffSettings {
    bool packBits = false;
    std::uint32_t xDpi = 72;
    std::uint32_t yDpi = 72;
    std::uint32_t rowsPerStrip = 0;  // 0: about 64 KiB per strip
    std::optional<std::string> copyright;
};

std::optional<TiffSettings> ReadTiffSettings(const WriteOptions& options, const Image& image);

// A baseline TIFF of one image, rows from the top of the picture:
// - 1 bit: BlackIsZero or WhiteIsZero, whichever of its two colours index 0
//   is darker (the bits are written as they are);
// - 8 bits: BlackIsZero grey when the table is the grey ramp, otherwise a
//   palette image with the table as its ColorMap;
// - 24 bits: RGB.
// Resolution unit inch. False when the file would pass the 4 GiB of TIFF
// offsets; write errors are the sink's.
bool WriteTiff(FileSink& sink, const Image& image, const TiffSettings& settings);

}  // namespace z8
