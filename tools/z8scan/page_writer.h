#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "twain/twain.h"

namespace z8scan {

// A BMP file of a packed DIB as a native transfer hands it over: the 14-byte
// file header, then the DIB's header, colour table and rows, nothing of the
// block past them. Empty when the DIB's header does not describe the bytes
// there are (an uncompressed 1-, 4-, 8- or 24-bit DIB).
std::vector<uint8_t> BmpFromPackedDib(std::span<const uint8_t> dib);

// A page received in memory strips, put together row by row and written as
// a bottom-up BMP: black and white with black then white (0 is black), grey
// with a grey ramp, palette pages with the source's palette, colour turned
// from red-green-blue into the file's blue-green-red.
class StripPage {
public:
    // palette: DAT_PALETTE8's answer, used for TWPT_PALETTE pages.
    StripPage(const TW_IMAGEINFO& info, const TW_PALETTE8& palette);

    // Takes one strip: its rows must follow the rows so far, be as long as
    // the first strip's, hold the image's columns and stay within its
    // length, and BytesWritten must be BytesPerRow × Rows. False, with the
    // reason, otherwise.
    bool Add(const TW_IMAGEMEMXFER& strip, const uint8_t* data, std::string& error);
    bool Complete() const { return rows_ == height_; }
    uint32_t Rows() const { return rows_; }
    // The BMP file of the rows received.
    std::vector<uint8_t> Bmp() const;

private:
    uint32_t width_;
    uint32_t height_;
    uint16_t bits_;
    int32_t xPelsPerMeter_;
    int32_t yPelsPerMeter_;
    std::vector<uint8_t> colourTable_;  // BGRA entries
    uint32_t bytesPerRow_ = 0;          // of the strips, from the first
    uint32_t rows_ = 0;
    std::vector<uint8_t> pixels_;  // the rows received, top first
};

}  // namespace z8scan
