#pragma once

#include <string>
#include <string_view>

#include "imaging/image.h"
#include "imaging/write_options.h"

namespace z8 {

// Writes the image to path in the format named "BMP", "TIF" or "JPG" (without
// regard to case) with the given options (see the TIFF and JPEG writers; BMP
// takes none). The file is written beside its final name and moved there only
// once complete, so a failed write (unknown format, refused option, full
// disk, unwritable folder) leaves no file behind and an existing file as it
// was. True when the file is in place.
bool WriteImageFile(const std::string& path, std::string_view typeName, const Image& image,
                    const WriteOptions& options);

}  // namespace z8
