#include "tools/z8scan/picture_file.h"

#include <gtest/gtest.h>

namespace z8scan {
namespace {

using Bytes = std::vector<uint8_t>;

// Two rows of two pixels, rows from the top.
const Picture kPicture{2, 2, {0x102030, 0xA0B0C0, 0xFF0000, 0x00FF7F}};

TEST(PictureFile, FormatsByExtension) {
    EXPECT_EQ(PictureFormatFor("a.bmp"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatFor("Z:/out/Dialog.PNG"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatFor("a.jpg"), std::nullopt);
    EXPECT_EQ(PictureFormatFor("png"), std::nullopt);
}

// Rows from the bottom, B, G, R, padded to four bytes.
TEST(PictureFile, BmpIsBottomUpAndPadded) {
    const Bytes bmp = EncodePicture(kPicture, PictureFormat::Bmp);
    const Bytes
        want{
            'B',  'M',  70,   0,    0,    0,    0,    0,    0, 0,    54,   0, 0, 0,  // file header
            40,   0,    0,    0,    2,    0,    0,    0,    2, 0,    0,    0, 1, 0, 24, 0, 0, 0, 0,
            0,    16,   0,    0,    0,    0xC4, 0x0E, 0,    0, 0xC4, 0x0E, 0, 0, 0, 0,  0, 0, 0, 0,
            0,    0,    0x00, 0x00, 0xFF, 0x7F, 0xFF, 0x00, 0, 0,  // bottom row
            0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0, 0,    0,           // top row
        };
    EXPECT_EQ(bmp, want);
}

// The same bytes as Python's zlib.compress(rows, 0) in chunks with zlib.crc32.
TEST(PictureFile, PngMatchesAnIndependentEncoder) {
    const Bytes want{
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00,
        0x00, 0xFD, 0xD4, 0x9A, 0x73, 0x00, 0x00, 0x00, 0x19, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x01, 0x01, 0x0E, 0x00, 0xF1, 0xFF, 0x00, 0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0, 0x00,
        0xFF, 0x00, 0x00, 0x00, 0xFF, 0x7F, 0x1F, 0x55, 0x04, 0xEE, 0xD7, 0xF1, 0x7D, 0x0B,
        0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
    };
    EXPECT_EQ(EncodePicture(kPicture, PictureFormat::Png), want);
}

}  // namespace
}  // namespace z8scan
