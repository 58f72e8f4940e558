#include "imaging/image_file.h"

#include <cstdio>
#include <functional>

#include "imaging/bmp_file.h"
#include "imaging/file_sink.h"
#include "imaging/jpeg_writer.h"
#include "imaging/tiff_writer.h"

namespace z8 {

bool WriteImageFile(const std::string& path, std::string_view typeName, const Image& image,
                    const WriteOptions& options) {
    // The options are read first: a refused one must not create anything.
    std::function<bool(FileSink&)> write;
    if (SameWord(typeName, "BMP")) {
        write = [&](FileSink& sink) {
            WriteBmp(sink, image);
            return true;
        };
    } else if (SameWord(typeName, "TIF")) {
        const auto settings = ReadTiffSettings(options, image);
        if (!settings)
            return false;
        write = [&, settings = *settings](FileSink& sink) {
            return WriteTiff(sink, image, settings);
        };
    } else if (SameWord(typeName, "JPG")) {
        const auto settings = ReadJpegSettings(options);
        if (!settings)
            return false;
        write = [&, settings = *settings](FileSink& sink) {
            return WriteJpeg(sink, image, settings);
        };
    } else {
        return false;
    }

    const std::string partial = path + ".z8part";
    FileSink sink(partial);
    if (!sink.Ok())
        return false;
    const bool written = write(sink);
    const bool complete = sink.Close() && written;
    if (complete && ReplaceFileWith(partial, path))
        return true;
    std::remove(partial.c_str());
    return false;
}

}  // namespace z8
