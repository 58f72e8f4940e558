#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "imaging/file_sink.h"
#include "imaging/image.h"

namespace z8 {

// A BMP file (file header, then a DIB of 1, 8 or 24 bits, uncompressed, rows
// in either order) as an image. Every offset and size of its headers is
// checked against the bytes there are: a malformed or unsupported file gives
// nothing and nothing outside the file is read.
std::unique_ptr<Image> LoadBmpFromMemory(GlobalMemory& memory, const std::uint8_t* data,
                                         std::size_t size);
// The same from a file; nothing when it cannot be read whole.
std::unique_ptr<Image> LoadBmpFile(GlobalMemory& memory, const std::string& path);

// The image as a BMP file: the file header, then the image's packed DIB as
// it is (40-byte header with the resolution, full colour table, bottom-up
// rows).
void WriteBmp(FileSink& sink, const Image& image);

}  // namespace z8
