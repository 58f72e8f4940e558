#include "tools/z8scan/page_writer.h"

#include <algorithm>
#include <cstring>

namespace z8scan {
namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;

uint32_t Le32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

uint64_t RowBytes(uint64_t width, unsigned bits) {
    return (width * bits + 31) / 32 * 4;
}

// "BM", the file size, the offset of the pixels.
void WriteFileHeader(std::vector<uint8_t>& out, size_t pixelOffset) {
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<uint32_t>(out.size()));
    Put32(out, 10, static_cast<uint32_t>(pixelOffset));
}

// A length of DAT_IMAGEINFO, none when negative (unknown).
uint32_t Length(TW_INT32 value) {
    return value > 0 ? static_cast<uint32_t>(value) : 0;
}

// TWAIN's resolution in whole dots per inch as pels per metre.
int32_t PelsPerMeter(TW_FIX32 dpi) {
    return static_cast<int32_t>((dpi.Whole + dpi.Frac / 65536.0) * 100 / 2.54 + 0.5);
}

}  // namespace

std::vector<uint8_t> BmpFromPackedDib(std::span<const uint8_t> dib) {
    if (dib.size() < kInfoHeader) return {};
    const uint32_t headerSize = Le32(dib.data());
    const auto width = static_cast<int32_t>(Le32(dib.data() + 4));
    const auto height = static_cast<int32_t>(Le32(dib.data() + 8));
    const uint16_t bits = Le16(dib.data() + 14);
    const uint32_t compression = Le32(dib.data() + 16);
    const uint32_t coloursUsed = Le32(dib.data() + 32);
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 24;
    if (headerSize < kInfoHeader || headerSize > dib.size() || width <= 0 || height == 0 ||
        !known || compression != 0 || (bits <= 8 && coloursUsed > (1u << bits))) {
        return {};
    }
    const uint64_t entries = bits <= 8 ? (coloursUsed != 0 ? coloursUsed : 1u << bits) : 0;
    const uint64_t rows = height < 0 ? uint64_t(-int64_t{height}) : uint64_t(height);
    const uint64_t used = headerSize + 4 * entries + RowBytes(uint64_t(width), bits) * rows;
    if (used > dib.size()) return {};
    std::vector<uint8_t> bmp(kFileHeader);
    bmp.insert(bmp.end(), dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(used));
    WriteFileHeader(bmp, kFileHeader + headerSize + 4 * entries);
    return bmp;
}

StripPage::StripPage(const TW_IMAGEINFO& info, const TW_PALETTE8& palette)
    : width_(Length(info.ImageWidth)),
      height_(Length(info.ImageLength)),
      bits_(static_cast<uint16_t>(info.BitsPerPixel)),
      xPelsPerMeter_(PelsPerMeter(info.XResolution)),
      yPelsPerMeter_(PelsPerMeter(info.YResolution)) {
    if (bits_ == 1) {
        colourTable_ = {0, 0, 0, 0, 255, 255, 255, 0};
    } else if (bits_ == 8) {
        const bool own = info.PixelType == TWPT_PALETTE && palette.NumColors == 256;
        for (int i = 0; i < 256; ++i) {
            const TW_ELEMENT8 e = palette.Colors[i];
            const auto level = static_cast<uint8_t>(i);
            const uint8_t red = own ? e.Channel1 : level;
            const uint8_t green = own ? e.Channel2 : level;
            const uint8_t blue = own ? e.Channel3 : level;
            colourTable_.insert(colourTable_.end(), {blue, green, red, 0});
        }
    }
}

bool StripPage::Add(const TW_IMAGEMEMXFER& strip, const uint8_t* data, std::string& error) {
    const uint64_t pixelBytes = (uint64_t{width_} * bits_ + 7) / 8;
    if (rows_ == 0) bytesPerRow_ = strip.BytesPerRow;
    if (strip.YOffset != rows_) {
        error =
            "strip at row " + std::to_string(strip.YOffset) + ", expected " + std::to_string(rows_);
    } else if (strip.BytesPerRow != bytesPerRow_ || bytesPerRow_ < pixelBytes) {
        error = "rows of " + std::to_string(strip.BytesPerRow) + " bytes";
    } else if (strip.Columns != width_ || strip.XOffset != 0 || strip.Compression != TWCP_NONE) {
        error = "a strip of " + std::to_string(strip.Columns) + " columns";
    } else if (strip.Rows > height_ - rows_) {
        error = "rows past the image's length";
    } else if (uint64_t{strip.BytesWritten} != uint64_t{strip.BytesPerRow} * strip.Rows) {
        error = std::to_string(strip.BytesWritten) + " bytes written for " +
                std::to_string(strip.Rows) + " rows";
    } else {
        pixels_.insert(pixels_.end(), data, data + strip.BytesWritten);
        rows_ += strip.Rows;
        return true;
    }
    return false;
}

std::vector<uint8_t> StripPage::Bmp() const {
    const uint64_t line = RowBytes(width_, bits_);
    const size_t pixelOffset = kFileHeader + kInfoHeader + colourTable_.size();
    std::vector<uint8_t> bmp(pixelOffset + line * rows_, 0);
    WriteFileHeader(bmp, pixelOffset);
    Put32(bmp, 14, kInfoHeader);
    Put32(bmp, 18, width_);
    Put32(bmp, 22, rows_);
    Put16(bmp, 26, 1);
    Put16(bmp, 28, bits_);
    Put32(bmp, 34, static_cast<uint32_t>(line * rows_));
    Put32(bmp, 38, static_cast<uint32_t>(xPelsPerMeter_));
    Put32(bmp, 42, static_cast<uint32_t>(yPelsPerMeter_));
    std::copy(colourTable_.begin(), colourTable_.end(), bmp.begin() + kFileHeader + kInfoHeader);
    const size_t pixelBytes = (size_t{width_} * bits_ + 7) / 8;
    for (uint32_t r = 0; r < rows_; ++r) {
        const uint8_t* from = pixels_.data() + size_t{r} * bytesPerRow_;
        uint8_t* to = bmp.data() + pixelOffset + (rows_ - 1 - r) * line;
        std::memcpy(to, from, pixelBytes);
        if (bits_ == 24) {
            for (size_t x = 0; x + 2 < pixelBytes; x += 3)
                std::swap(to[x], to[x + 2]);
        }
    }
    return bmp;
}

}  // namespace z8scan
