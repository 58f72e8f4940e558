#include "tools/z8scan/page_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace z8scan {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}

// A packed 8-bit DIB of 3 x 2 pixels (rows of 4 bytes) in a larger block.
std::vector<uint8_t> GreyDib(size_t slack) {
    std::vector<uint8_t> dib(40 + 1024 + 8 + slack, 0x77);
    std::memset(dib.data(), 0, 40);
    dib[0] = 40;
    dib[4] = 3;
    dib[8] = 2;
    dib[12] = 1;
    dib[14] = 8;
    return dib;
}

TEST(PageWriter, ANativeDibBecomesAFileOfItsOwnBytes) {
    const std::vector<uint8_t> bmp = BmpFromPackedDib(GreyDib(100));
    ASSERT_EQ(bmp.size(), 14u + 40 + 1024 + 8) << "nothing of the block past the rows";
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 10), 14u + 40 + 1024);

    struct Broken {
        const char* name;
        size_t at;
        uint8_t value;
    };
    for (const Broken& b :
         {Broken{"rows missing", 8, 9}, Broken{"compressed", 16, 1}, Broken{"15 bits", 14, 15},
          Broken{"no width", 4, 0}, Broken{"header past the block", 1, 0x10}}) {
        std::vector<uint8_t> dib = GreyDib(0);
        dib[b.at] = b.value;
        EXPECT_TRUE(BmpFromPackedDib(dib).empty()) << b.name;
    }
    EXPECT_TRUE(BmpFromPackedDib(std::vector<uint8_t>(39)).empty());
}

TEST(PageWriter, StripsMakeABottomUpFileAndWrongStripsAreNamed) {
    TW_IMAGEINFO info{};
    info.ImageWidth = 2;
    info.ImageLength = 3;
    info.BitsPerPixel = 24;
    info.PixelType = TWPT_RGB;
    info.XResolution = TW_FIX32{100, 0};
    StripPage page(info, TW_PALETTE8{});
    // Rows of 8 bytes: two red-green-blue pixels and padding.
    const uint8_t rows[3][8] = {
        {1, 2, 3, 4, 5, 6, 0, 0}, {7, 8, 9, 10, 11, 12, 0, 0}, {13, 14, 15, 16, 17, 18, 0, 0}};
    TW_IMAGEMEMXFER strip{};
    strip.BytesPerRow = 8;
    strip.Columns = 2;
    strip.Rows = 2;
    strip.BytesWritten = 16;
    std::string error;
    ASSERT_TRUE(page.Add(strip, rows[0], error)) << error;
    struct Wrong {
        const char* expected;
        TW_UINT32 yOffset, bytesPerRow, rows, written;
    };
    for (const Wrong& w :
         {Wrong{"strip at row 0, expected 2", 0, 8, 1, 8}, Wrong{"rows of 12 bytes", 2, 12, 1, 12},
          Wrong{"rows past the image's length", 2, 8, 2, 16},
          Wrong{"7 bytes written for 1 rows", 2, 8, 1, 7}}) {
        TW_IMAGEMEMXFER bad = strip;
        bad.YOffset = w.yOffset;
        bad.BytesPerRow = w.bytesPerRow;
        bad.Rows = w.rows;
        bad.BytesWritten = w.written;
        EXPECT_FALSE(page.Add(bad, rows[2], error));
        EXPECT_EQ(error, w.expected);
    }
    EXPECT_FALSE(page.Complete());
    strip.YOffset = 2;
    strip.Rows = 1;
    strip.BytesWritten = 8;
    ASSERT_TRUE(page.Add(strip, rows[2], error)) << error;
    ASSERT_TRUE(page.Complete());

    const std::vector<uint8_t> bmp = page.Bmp();
    ASSERT_EQ(bmp.size(), 14u + 40 + 3 * 8);
    EXPECT_EQ(Le32(bmp, 10), 54u);
    EXPECT_EQ(Le32(bmp, 22), 3u);
    EXPECT_EQ(Le32(bmp, 38), 3937u) << "100 dpi";
    // The last row first, blue-green-red.
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54, bmp.begin() + 62),
              (std::vector<uint8_t>{15, 14, 13, 18, 17, 16, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 70, bmp.begin() + 78),
              (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 0, 0}));
}

TEST(PageWriter, ColourTablesByPixelType) {
    TW_PALETTE8 palette{};
    palette.NumColors = 256;
    palette.Colors[1] = TW_ELEMENT8{1, 10, 20, 30};
    const std::pair<TW_INT16, std::vector<uint8_t>> cases[] = {
        {TWPT_BW, {255, 255, 255, 0}},    // entry 1: white
        {TWPT_GRAY, {1, 1, 1, 0}},        // a ramp
        {TWPT_PALETTE, {30, 20, 10, 0}},  // the source's, blue first
    };
    for (const auto& [type, entry] : cases) {
        TW_IMAGEINFO info{};
        info.ImageWidth = 1;
        info.ImageLength = 1;
        info.BitsPerPixel = type == TWPT_BW ? 1 : 8;
        info.PixelType = type;
        const std::vector<uint8_t> bmp = StripPage(info, palette).Bmp();
        ASSERT_GE(bmp.size(), 62u);
        EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 58, bmp.begin() + 62), entry) << type;
    }
}

}  // namespace
}  // namespace z8scan
