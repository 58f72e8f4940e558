#include <gtest/gtest.h>

#include "imaging/image.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

// A 3-pixel 24-bit row is 9 bytes plus 3 of padding; 5 1-bit pixels take
// one byte plus 3 of padding; 5 8-bit pixels 5 plus 3.
TEST(Image, CreateGivesPaddedRowsAndTheDefaultTables) {
    GlobalMemoryTable memory;
    auto colour = Image::Create(memory, 3, 2, 24);
    ASSERT_TRUE(colour);
    EXPECT_EQ(colour->BytesPerLine(), 12u);
    EXPECT_TRUE(colour->Palette().empty());
    auto bilevel = Image::Create(memory, 5, 1, 1);
    ASSERT_TRUE(bilevel);
    EXPECT_EQ(bilevel->BytesPerLine(), 4u);
    ASSERT_EQ(bilevel->Palette().size(), 2u);
    EXPECT_EQ(bilevel->Palette()[0], (RgbQuad{0, 0, 0, 0}));
    EXPECT_EQ(bilevel->Palette()[1], (RgbQuad{255, 255, 255, 0}));
    auto grey = Image::Create(memory, 5, 1, 8);
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->BytesPerLine(), 8u);
    ASSERT_EQ(grey->Palette().size(), 256u);
    EXPECT_EQ(grey->Palette()[200], (RgbQuad{200, 200, 200, 0}));
    const ImageHeader header = grey->Header();
    EXPECT_EQ(header.width, 5);
    EXPECT_EQ(header.height, 1);
    EXPECT_EQ(header.bitCount, 8);
}

TEST(Image, CreateRefusesSizesThatDoNotFitInsteadOfWrapping) {
    GlobalMemoryTable memory;
    EXPECT_FALSE(Image::Create(memory, 0, 1, 24));
    EXPECT_FALSE(Image::Create(memory, 1, -1, 24));
    EXPECT_FALSE(Image::Create(memory, 1, 1, 4));
    // 0x7FFFFFFF × 3 bytes wraps 32 bits; rows × height wraps 64 only in a
    // naive product of 32-bit values.
    EXPECT_FALSE(Image::Create(memory, 0x7FFFFFFF, 1, 24));
    EXPECT_FALSE(Image::Create(memory, 0x10000, 0x10000, 24));
    memory.SetAllocationLimit(1000);
    EXPECT_FALSE(Image::Create(memory, 100, 100, 24));
    EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST(Image, AdoptsACanonicalDibWithoutCopyingAndExportsItWhole) {
    GlobalMemoryTable memory;
    for (int bits : {1, 8, 24}) {
        SCOPED_TRACE(bits);
        auto original = MakeImage(memory, 7, 3, bits, [](int x, int y) {
            return static_cast<std::uint32_t>((x * 37 + y * 91) * 0x010203) & 0xFFFFFF;
        });
        original->SetResolution(11811, 3937);
        // Padding bytes as a scanner might leave them: they travel unchanged.
        original->Row(1)[original->BytesPerLine() - 1] = 0xA5;
        GlobalHandle dib = original->ExportPackedDib();
        ASSERT_NE(dib, nullptr);
        const auto bytes = BlockBytes(memory, dib);
        EXPECT_EQ(bytes.size(), original->PackedDib().size());
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), original->PackedDib().begin()));

        const std::size_t live = memory.LiveBlocks();
        auto image = Image::FromPackedDib(memory, dib);
        ASSERT_TRUE(image);
        EXPECT_EQ(memory.LiveBlocks(), live);  // the block itself became the image
        EXPECT_EQ(memory.LockCount(dib), 1u);
        EXPECT_EQ(image->Header().xPelsPerMeter, 11811);
        EXPECT_EQ(image->Header().yPelsPerMeter, 3937);
        EXPECT_EQ(RgbTopDown(*image), RgbTopDown(*original));

        GlobalHandle again = image->ExportPackedDib();
        EXPECT_EQ(BlockBytes(memory, again), bytes);
        memory.Free(again);
        image.reset();
        EXPECT_EQ(memory.LiveBlocks(), live - 1);  // freed with the image
    }
}

TEST(Image, CopiesOtherDibLayoutsIntoTheCanonicalOneAndFreesTheBlock) {
    GlobalMemoryTable memory;
    // Top-down 24-bit, 2 × 2, with a 124-byte header and an optional table.
    TestDibLayout layout;
    layout.headerSize = 124;
    layout.width = 2;
    layout.height = -2;
    layout.clrUsed = 1;
    layout.table = {9, 9, 9, 0};
    layout.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    GlobalHandle block = DibBlock(memory, DibBytes(layout));
    auto image = Image::FromPackedDib(memory, block);
    ASSERT_TRUE(image);
    EXPECT_EQ(memory.Lock(block), nullptr);  // freed once copied
    EXPECT_EQ(PixelAt(*image, 0, 0), 0x030201u);
    EXPECT_EQ(PixelAt(*image, 1, 1), 0x0C0B0Au);
    EXPECT_EQ(image->PackedDib().size(), 40u + 16u);

    // 8 bits with two table entries: the rest of the table is black.
    TestDibLayout partial;
    partial.width = 2;
    partial.bitCount = 8;
    partial.clrUsed = 2;
    partial.table = {10, 20, 30, 0, 40, 50, 60, 0};
    partial.pixels = {1, 0, 0, 0};
    auto grey = Image::FromPackedDib(memory, DibBlock(memory, DibBytes(partial)));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->Palette()[1], (RgbQuad{40, 50, 60, 0}));
    EXPECT_EQ(grey->Palette()[2], (RgbQuad{0, 0, 0, 0}));
    EXPECT_EQ(PixelAt(*grey, 0, 0), 1u);
}

TEST(Image, RefusesMalformedDibsAndLeavesTheBlockToTheCaller) {
    GlobalMemoryTable memory;
    auto good = [] {
        TestDibLayout layout;
        layout.width = 3;
        layout.height = 2;
        layout.pixels.assign(24, 0x55);
        return layout;
    };
    std::vector<TestDibLayout> bad;
    for (int i = 0; i < 10; ++i)
        bad.push_back(good());
    bad[0].pixels.resize(23);  // one byte short
    bad[1].headerSize = 12;    // OS/2 core header
    bad[2].compression = 1;    // RLE8
    bad[3].bitCount = 4;
    bad[4].width = 0;
    bad[5].height = INT32_MIN;
    bad[6].width = 0x7FFFFFFF;  // rows that would wrap 32-bit products
    bad[6].height = 0x7FFFFFFF;
    bad[7].bitCount = 8;  // table claimed larger than 8 bits allow
    bad[7].clrUsed = 257;
    bad[8].bitCount = 1;  // 1-bit table of 2 entries missing: pixels end short
    bad[8].pixels.resize(8);
    bad[9].headerSize = 5000;
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        const auto bytes = DibBytes(bad[i]);
        GlobalHandle block = DibBlock(memory, bytes);
        EXPECT_FALSE(Image::FromPackedDib(memory, block));
        EXPECT_EQ(memory.LockCount(block), 0u);
        EXPECT_EQ(BlockBytes(memory, block), bytes);
        memory.Free(block);
    }
    EXPECT_FALSE(Image::FromPackedDib(memory, nullptr));
    EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST(Image, ExportFailsCleanlyWhenMemoryRunsOut) {
    GlobalMemoryTable memory;
    auto image = Image::Create(memory, 100, 100, 24);
    memory.SetAllocationLimit(1000);
    EXPECT_EQ(image->ExportPackedDib(), nullptr);
    EXPECT_EQ(memory.LiveBlocks(), 1u);
}

}  // namespace
}  // namespace z8::test
