#include "imaging/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace z8 {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the encoder, whose frame owns everything that needs freeing.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnFatalError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void OnMessage(j_common_ptr) {}

constexpr std::size_t kOutputBufferSize = 1 << 16;

struct Destination {
    jpeg_destination_mgr base;
    FileSink* sink;
    JOCTET buffer[kOutputBufferSize];
};

void InitDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->base.next_output_byte = d->buffer;
    d->base.free_in_buffer = kOutputBufferSize;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->sink->Write(d->buffer, kOutputBufferSize);
    if (!d->sink->Ok())
        ERREXIT(cinfo, JERR_FILE_WRITE);
    d->base.next_output_byte = d->buffer;
    d->base.free_in_buffer = kOutputBufferSize;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* d = reinterpret_cast<Destination*>(cinfo->dest);
    d->sink->Write(d->buffer, kOutputBufferSize - d->base.free_in_buffer);
}

std::uint16_t DpiOf(std::int32_t pelsPerMeter) {
    const std::int64_t dpi = (std::int64_t{pelsPerMeter} * 254 + 5000) / 10000;
    return dpi > 0 && dpi <= 65535 ? static_cast<std::uint16_t>(dpi) : 0;
}

// The grey level of each colour of the table; true when every index is its
// own level, so the rows go to libjpeg as they are.
bool GreyLevels(const Image& image, std::uint8_t (&level)[256]) {
    const auto palette = image.Palette();
    bool identity = image.BitCount() == 8;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        level[i] = Luminance(palette[i]);
        identity = identity && level[i] == i;
    }
    return identity;
}

// Everything with a destructor is made before setjmp and outlives the jump.
bool Encode(FileSink& sink, const Image& image, int quality, const std::uint8_t (&level)[256],
            bool direct, std::vector<std::uint8_t>& grey, Destination& destination) {
    const bool colour = image.BitCount() == 24;
    const std::int32_t width = image.Width(), height = image.Height();

    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.output_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    destination.sink = &sink;
    destination.base.init_destination = InitDestination;
    destination.base.empty_output_buffer = EmptyOutputBuffer;
    destination.base.term_destination = TermDestination;
    cinfo.dest = &destination.base;

    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = colour ? 3 : 1;
    cinfo.in_color_space = colour ? JCS_EXT_BGR : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    const ImageHeader header = image.Header();
    const std::uint16_t xDpi = DpiOf(header.xPelsPerMeter), yDpi = DpiOf(header.yPelsPerMeter);
    if (xDpi != 0 && yDpi != 0) {
        cinfo.density_unit = 1;
        cinfo.X_density = xDpi;
        cinfo.Y_density = yDpi;
    }
    jpeg_start_compress(&cinfo, TRUE);
    for (std::int32_t top = 0; top < height; ++top) {
        const std::uint8_t* source = image.Row(height - 1 - top);
        JSAMPROW row = const_cast<JSAMPROW>(source);
        if (!direct) {
            for (std::int32_t x = 0; x < width; ++x) {
                const unsigned index =
                    image.BitCount() == 8 ? source[x] : (source[x >> 3] >> (7 - (x & 7))) & 1u;
                grey[static_cast<std::size_t>(x)] = level[index];
            }
            row = grey.data();
        }
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return sink.Ok();
}

}  // namespace

std::optional<JpegSettings> ReadJpegSettings(const WriteOptions& options) {
    JpegSettings settings;
    if (const auto text = options.Value("LOSSY_QUALITY")) {
        const auto quality = ParseDecimal(*text, 1, 100);
        if (!quality)
            return std::nullopt;
        settings.quality = static_cast<int>(*quality);
    }
    return settings;
}

bool WriteJpeg(FileSink& sink, const Image& image, const JpegSettings& settings) {
    try {
        std::vector<std::uint8_t> grey(static_cast<std::size_t>(image.Width()));
        auto destination = std::make_unique<Destination>();
        std::uint8_t level[256] = {};
        const bool direct = image.BitCount() == 24 || GreyLevels(image, level);
        return Encode(sink, image, settings.quality, level, direct, grey, *destination);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace z8
