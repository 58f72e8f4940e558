#include "imaging/tiff_writer.h"

#include <algorithm>
#include <vector>

#include "imaging/packbits.h"

namespace z8 {

namespace {

enum TiffType : std::uint16_t { kAscii = 2, kShort = 3, kLong = 4, kRational = 5 };

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::uint32_t value;  // the value itself when it fits in four bytes, else its offset
};

// Dots per inch from pixels per metre, rounded; 0 when there is none.
std::uint32_t DpiOf(std::int32_t pelsPerMeter) {
    if (pelsPerMeter <= 0)
        return 0;
    return static_cast<std::uint32_t>((std::int64_t{pelsPerMeter} * 254 + 5000) / 10000);
}

bool IsGreyRamp(std::span<const RgbQuad> palette) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i].red != i || palette[i].green != i || palette[i].blue != i)
            return false;
    }
    return true;
}

std::optional<std::uint32_t> Resolution(const WriteOptions& options, const char* key,
                                        std::int32_t pelsPerMeter) {
    if (const auto text = options.Value(key))
        return ParseDecimal(*text, 1, 65535);
    const std::uint32_t dpi = DpiOf(pelsPerMeter);
    return dpi != 0 ? dpi : 72;
}

class TiffBuilder {
public:
    explicit TiffBuilder(FileSink& sink) : sink_(sink) {}

    void Align() {
        if (sink_.Position() & 1)
            sink_.Write("", 1);
    }
    std::uint64_t Position() const { return sink_.Position(); }
    void Write(const void* data, std::size_t size) { sink_.Write(data, size); }
    void Add(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
        entries_.push_back({tag, type, count, value});
    }
    // Values of more than four bytes go to the file now; the entry points there.
    void AddData(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                 const std::vector<std::uint8_t>& bytes) {
        if (bytes.size() <= 4) {
            std::uint8_t inline_[4] = {};
            std::copy(bytes.begin(), bytes.end(), inline_);
            Add(tag, type, count, ReadLe32(inline_));
            return;
        }
        Align();
        Add(tag, type, count, static_cast<std::uint32_t>(Position()));
        Write(bytes.data(), bytes.size());
    }
    void AddLongs(std::uint16_t tag, const std::vector<std::uint32_t>& values) {
        std::vector<std::uint8_t> bytes(values.size() * 4);
        for (std::size_t i = 0; i < values.size(); ++i)
            WriteLe32(bytes.data() + 4 * i, values[i]);
        AddData(tag, kLong, static_cast<std::uint32_t>(values.size()), bytes);
    }
    void AddShorts(std::uint16_t tag, const std::vector<std::uint16_t>& values) {
        std::vector<std::uint8_t> bytes(values.size() * 2);
        for (std::size_t i = 0; i < values.size(); ++i)
            WriteLe16(bytes.data() + 2 * i, values[i]);
        AddData(tag, kShort, static_cast<std::uint32_t>(values.size()), bytes);
    }
    void AddRational(std::uint16_t tag, std::uint32_t numerator) {
        AddLongs(tag, {numerator, 1});
        entries_.back().type = kRational;
        entries_.back().count = 1;
    }
    // The directory, sorted by tag as TIFF requires, and its offset in the header.
    bool Finish() {
        Align();
        const std::uint64_t directory = Position();
        std::sort(entries_.begin(), entries_.end(),
                  [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
        std::vector<std::uint8_t> bytes(2 + 12 * entries_.size() + 4);
        WriteLe16(bytes.data(), static_cast<std::uint16_t>(entries_.size()));
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            std::uint8_t* p = bytes.data() + 2 + 12 * i;
            WriteLe16(p, entries_[i].tag);
            WriteLe16(p + 2, entries_[i].type);
            WriteLe32(p + 4, entries_[i].count);
            WriteLe32(p + 8, entries_[i].value);
        }
        Write(bytes.data(), bytes.size());
        if (Position() > UINT32_MAX)
            return false;
        std::uint8_t offset[4];
        WriteLe32(offset, static_cast<std::uint32_t>(directory));
        sink_.Patch(4, offset, sizeof offset);
        return true;
    }

private:
    FileSink& sink_;
    std::vector<Entry> entries_;
};

}  // namespace

std::optional<TiffSettings> ReadTiffSettings(const WriteOptions& options, const Image& image) {
    TiffSettings settings;
    const auto compress = options.Value("COMPRESS");
    if (compress && !SameWord(*compress, "ON") && !SameWord(*compress, "OFF"))
        return std::nullopt;
    settings.packBits = compress && SameWord(*compress, "ON");
    if (const auto scheme = options.Value("TIFF_COMPRESS")) {
        if (!SameWord(*scheme, "PACKBITS") && !SameWord(*scheme, "NONE"))
            return std::nullopt;
        settings.packBits = SameWord(*scheme, "PACKBITS");
    }
    for (const char* fixed : {"TIFF_COLORMODEL", "TIFF_BYTEFORMAT", "TIFF_FILLORDER"}) {
        if (options.Value(fixed))
            return std::nullopt;
    }
    const ImageHeader header = image.Header();
    const auto x = Resolution(options, "TIFF_XRES", header.xPelsPerMeter);
    const auto y = Resolution(options, "TIFF_YRES", header.yPelsPerMeter);
    if (!x || !y)
        return std::nullopt;
    settings.xDpi = *x;
    settings.yDpi = *y;
    if (const auto rows = options.Value("TIFF_ROWSPERSTRIP")) {
        const auto n = ParseDecimal(*rows, 1, UINT32_MAX);
        if (!n)
            return std::nullopt;
        settings.rowsPerStrip = *n;
    }
    settings.copyright = options.Value("TIFF_COPYRIGHT");
    return settings;
}

bool WriteTiff(FileSink& sink, const Image& image, const TiffSettings& settings) {
    const std::int32_t width = image.Width(), height = image.Height();
    const unsigned bits = image.BitCount();
    const std::size_t rowBytes = image.PixelBytesPerRow();
    const std::uint32_t rowsPerStrip =
        settings.rowsPerStrip != 0
            ? std::min<std::uint32_t>(settings.rowsPerStrip, static_cast<std::uint32_t>(height))
            : static_cast<std::uint32_t>(std::clamp<std::size_t>((1 << 16) / rowBytes, 1,
                                                                 static_cast<std::size_t>(height)));

    const std::uint8_t header[8] = {'I', 'I', 42, 0, 0, 0, 0, 0};
    sink.Write(header, sizeof header);
    TiffBuilder tiff(sink);

    std::vector<std::uint8_t> row(rowBytes),
        packed(settings.packBits ? PackBitsBound(rowBytes) : 0);
    std::vector<std::uint32_t> offsets, counts;
    for (std::int32_t y = 0; y < height; y += static_cast<std::int32_t>(rowsPerStrip)) {
        const std::uint64_t start = tiff.Position();
        offsets.push_back(static_cast<std::uint32_t>(start));
        const std::int32_t end = static_cast<std::int32_t>(
            std::min<std::int64_t>(height, std::int64_t{y} + rowsPerStrip));
        for (std::int32_t top = y; top < end; ++top) {
            const std::uint8_t* source = image.Row(height - 1 - top);
            const std::uint8_t* out = source;
            if (bits == 24) {
                for (std::size_t i = 0; i < rowBytes; i += 3) {
                    row[i] = source[i + 2];
                    row[i + 1] = source[i + 1];
                    row[i + 2] = source[i];
                }
                out = row.data();
            }
            if (settings.packBits)
                tiff.Write(packed.data(), PackBits(out, rowBytes, packed.data()));
            else
                tiff.Write(out, rowBytes);
        }
        if (tiff.Position() > UINT32_MAX)
            return false;
        counts.push_back(static_cast<std::uint32_t>(tiff.Position() - start));
    }

    tiff.Add(256, kLong, 1, static_cast<std::uint32_t>(width));
    tiff.Add(257, kLong, 1, static_cast<std::uint32_t>(height));
    tiff.Add(259, kShort, 1, settings.packBits ? 32773 : 1);
    tiff.Add(277, kShort, 1, bits == 24 ? 3 : 1);
    tiff.Add(278, kLong, 1, rowsPerStrip);
    tiff.Add(284, kShort, 1, 1);
    tiff.Add(296, kShort, 1, 2);
    std::uint16_t photometric;
    if (bits == 24) {
        tiff.AddShorts(258, {8, 8, 8});
        photometric = 2;
    } else if (bits == 8) {
        tiff.Add(258, kShort, 1, 8);
        const auto palette = image.Palette();
        if (IsGreyRamp(palette)) {
            photometric = 1;
        } else {
            std::vector<std::uint16_t> map(3 * 256);
            for (std::size_t i = 0; i < 256; ++i) {
                map[i] = static_cast<std::uint16_t>(palette[i].red * 257);
                map[256 + i] = static_cast<std::uint16_t>(palette[i].green * 257);
                map[512 + i] = static_cast<std::uint16_t>(palette[i].blue * 257);
            }
            tiff.AddShorts(320, map);
            photometric = 3;
        }
    } else {
        tiff.Add(258, kShort, 1, 1);
        const auto palette = image.Palette();
        photometric = Luminance(palette[0]) <= Luminance(palette[1]) ? 1 : 0;
    }
    tiff.Add(262, kShort, 1, photometric);
    tiff.AddRational(282, settings.xDpi);
    tiff.AddRational(283, settings.yDpi);
    if (settings.copyright) {
        std::vector<std::uint8_t> text(settings.copyright->begin(), settings.copyright->end());
        text.push_back(0);
        tiff.AddData(33432, kAscii, static_cast<std::uint32_t>(text.size()), text);
    }
    tiff.AddLongs(273, offsets);
    tiff.AddLongs(279, counts);
    return tiff.Finish();
}

}  // namespace z8
