#include "scanning/page_dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace z8 {
namespace {

using Bytes = std::vector<uint8_t>;

ScanParameterBlock Geometry(uint16_t left, uint16_t right, uint16_t top, uint16_t bottom) {
    ScanParameterBlock block;
    block.left = left;
    block.right = right;
    block.top = top;
    block.bottom = bottom;
    return block;
}

// A band payload: the line count, then the lines one after the other.
Bytes BandOf(uint16_t lines, const Bytes& data) {
    Bytes payload(2 + data.size());
    payload[0] = static_cast<uint8_t>(lines);
    payload[1] = static_cast<uint8_t>(lines >> 8);
    std::copy(data.begin(), data.end(), payload.begin() + 2);
    return payload;
}

struct CopyCase {
    const char* name;
    PixelKind kind;
    bool preview;
    uint16_t width, height;
    std::vector<Bytes> bands;  // payloads, copied one after the other
    Bytes pixels;              // the whole pixel area afterwards
    bool copied = true;
};

TEST(PageDibTest, BandsLandInTheirRowsAsTheTransfersExpect) {
    const CopyCase cases[] = {
        // Planes red, green, blue of L = 9 give blue, green, red pixels and
        // three bytes of padding.
        {"colour width 3",
         PixelKind::Colour,
         false,
         3,
         1,
         {BandOf(1, {1, 2, 3, 4, 5, 6, 7, 8, 9})},
         {7, 4, 1, 8, 5, 2, 9, 6, 3, 0, 0, 0}},
        // A final grey page is stored in scan order, inverted.
        {"grey final, two bands",
         PixelKind::Grey,
         false,
         2,
         4,
         {BandOf(2, {0, 1, 10, 11}), BandOf(2, {20, 21, 30, 31})},
         {255, 254, 0, 0, 245, 244, 0, 0, 235, 234, 0, 0, 225, 224, 0, 0}},
        // A grey preview bottom-up.
        {"grey preview",
         PixelKind::Grey,
         true,
         1,
         2,
         {BandOf(2, {0, 10})},
         {245, 0, 0, 0, 255, 0, 0, 0}},
        {"black and white width 12",
         PixelKind::BlackWhite,
         false,
         12,
         1,
         {BandOf(1, {0x0F, 0xF0})},
         {0xF0, 0x0F, 0, 0}},
        // The third line has no row: dropped, nothing written past the page.
        {"band past the last row",
         PixelKind::Grey,
         false,
         4,
         2,
         {BandOf(3, {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3})},
         {254, 254, 254, 254, 253, 253, 253, 253}},
        // Lines of 8 bytes cannot hold three planes of 3: nothing is written.
        {"colour lines too short",
         PixelKind::Colour,
         false,
         3,
         1,
         {BandOf(1, {1, 2, 3, 4, 5, 6, 7, 8})},
         Bytes(12, 0xFF),
         false},
    };
    for (const CopyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto layout =
            PlanPage(Geometry(10, 10 + c.width, 5, 5 + c.height), c.kind, c.preview, 300, 300);
        ASSERT_TRUE(layout);
        Bytes dib(layout->totalBytes, 0xAA);
        WriteDibHeader(dib, *layout);
        std::span<uint8_t> pixels(dib.data() + layout->headerBytes, layout->imageBytes);
        uint32_t row = 0;
        for (const Bytes& payload : c.bands) {
            const auto band = ParseBand(payload);
            ASSERT_TRUE(band);
            EXPECT_EQ(CopyBand(*layout, pixels, row, *band), c.copied);
            row += band->lineCount;
        }
        EXPECT_EQ(Bytes(pixels.begin(), pixels.end()), c.pixels);
    }
}

TEST(PageDibTest, HeaderAndTableFollowThePixelKind) {
    struct Case {
        PixelKind kind;
        uint16_t bitCount;
        uint32_t headerBytes;
        Bytes firstEntries;  // the colour table's first two entries
    };
    const Case cases[] = {
        {PixelKind::BlackWhite, 1, 48, {0, 0, 0, 0, 255, 255, 255, 0}},
        {PixelKind::Grey, 8, 1064, {0, 0, 0, 0, 1, 1, 1, 0}},
        {PixelKind::Colour, 24, 40, {}},
    };
    for (const Case& c : cases) {
        const auto layout = PlanPage(Geometry(0, 2480, 0, 3508), c.kind, false, 300, 200);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->headerBytes, c.headerBytes);
        Bytes dib(layout->totalBytes);
        WriteDibHeader(dib, *layout);
        const auto u32 = [&](size_t at) {
            return uint32_t{dib[at]} | dib[at + 1] << 8 | dib[at + 2] << 16 | dib[at + 3] << 24;
        };
        EXPECT_EQ(u32(0), 40u);
        EXPECT_EQ(u32(4), 2480u);
        EXPECT_EQ(u32(8), 3508u);
        EXPECT_EQ(dib[14], c.bitCount);
        EXPECT_EQ(u32(24), 11811u);  // 300 dpi in pixels per metre, truncated
        EXPECT_EQ(u32(28), 7874u);
        EXPECT_EQ(Bytes(dib.begin() + 40, dib.begin() + 40 + c.firstEntries.size()),
                  c.firstEntries);
        EXPECT_EQ(dib[c.headerBytes], 0xFF);
        EXPECT_EQ(dib.back(), 0xFF);
    }
}

TEST(PageDibTest, GeometriesWithoutAPageOrTooLargeArePlannedAsNothing) {
    const ScanParameterBlock refused[] = {
        Geometry(5, 5, 0, 10),         // no width
        Geometry(0, 10, 7, 7),         // no height
        Geometry(10, 5, 0, 10),        // right before left
        Geometry(0, 10, 10, 5),        // bottom above top
        Geometry(0, 65535, 0, 65535),  // 12 GB of colour
    };
    for (const ScanParameterBlock& g : refused) {
        EXPECT_FALSE(PlanPage(g, PixelKind::Colour, false, 300, 300));
    }
    // An A4 page at 2400 dpi in grey is within the bound; its size needs 64 bits
    // of arithmetic on the way.
    const auto a4 = PlanPage(Geometry(0, 19843, 0, 28070), PixelKind::Grey, false, 2400, 2400);
    ASSERT_TRUE(a4);
    EXPECT_EQ(a4->imageBytes, uint64_t{19844} * 28070);
}

}  // namespace
}  // namespace z8
