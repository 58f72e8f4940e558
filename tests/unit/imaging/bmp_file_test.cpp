#include <gtest/gtest.h>

#include <fstream>

#include "imaging/bmp_file.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

std::vector<std::uint8_t> BmpFile(const TestDibLayout& layout, std::int64_t pixelOffsetShift = 0) {
    const auto dib = DibBytes(layout);
    std::vector<std::uint8_t> file(kBmpFileHeaderSize + dib.size());
    file[0] = 'B';
    file[1] = 'M';
    WriteLe32(file.data() + 2, static_cast<std::uint32_t>(file.size()));
    WriteLe32(file.data() + 10, static_cast<std::uint32_t>(kBmpFileHeaderSize + layout.headerSize +
                                                           layout.table.size() + pixelOffsetShift));
    std::copy(dib.begin(), dib.end(), file.begin() + kBmpFileHeaderSize);
    return file;
}

TestDibLayout TopDownGrey() {
    TestDibLayout layout;
    layout.width = 3;
    layout.height = -2;
    layout.bitCount = 8;
    for (int i = 0; i < 256; ++i)
        layout.table.insert(layout.table.end(), {static_cast<std::uint8_t>(i), 0, 0, 0});
    layout.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    layout.xPelsPerMeter = 3937;
    return layout;
}

TEST(LoadBmp, ReadsAFileFromDisk) {
    GlobalMemoryTable memory;
    TempFolder folder;
    const auto bytes = BmpFile(TopDownGrey());
    std::ofstream(folder.File("a.bmp"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    auto image = LoadBmpFile(memory, folder.File("a.bmp"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 3);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(PixelAt(*image, 0, 0), 1u);  // the first stored row is the top
    EXPECT_EQ(PixelAt(*image, 2, 1), 6u);
    EXPECT_EQ(image->Palette()[5], (RgbQuad{5, 0, 0, 0}));
    EXPECT_EQ(image->Header().xPelsPerMeter, 3937);
    EXPECT_FALSE(LoadBmpFile(memory, folder.File("missing.bmp")));
}

TEST(LoadBmp, HonoursAGapBeforeThePixels) {
    GlobalMemoryTable memory;
    TestDibLayout layout;
    layout.width = 1;
    layout.height = 1;
    layout.pixels = {0xAA, 0xBB, 0xCC, 0, 0x11, 0x22, 0x33, 0};  // 4 gap bytes, then the row
    auto bytes = BmpFile(layout, 4);
    auto image = LoadBmpFromMemory(memory, bytes.data(), bytes.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(PixelAt(*image, 0, 0), 0x332211u);
}

TEST(LoadBmp, MalformedFilesGiveNoImage) {
    GlobalMemoryTable memory;
    const auto good = BmpFile(TopDownGrey());
    ASSERT_TRUE(LoadBmpFromMemory(memory, good.data(), good.size()));

    std::vector<std::vector<std::uint8_t>> bad;
    bad.push_back({good.begin(), good.end() - 1});  // last byte missing
    bad.push_back({good.begin(), good.begin() + 30});
    bad.push_back(good);
    bad.back()[0] = 'X';
    bad.push_back(good);
    WriteLe32(bad.back().data() + 10, 0xFFFFFFF0);  // pixels far beyond the end
    bad.push_back(good);
    WriteLe32(bad.back().data() + 10, 20);  // pixels inside the headers
    bad.push_back(good);
    WriteLe32(bad.back().data() + 14, 0xFFFFFFFF);  // header size beyond the file
    bad.push_back(good);
    WriteLe32(bad.back().data() + 18, 0x40000000);  // width × height beyond the file
    WriteLe32(bad.back().data() + 22, 0x40000000);
    bad.push_back(good);
    WriteLe32(bad.back().data() + 46, 300);  // more table entries than 8 bits allow
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(LoadBmpFromMemory(memory, bad[i].data(), bad[i].size()));
    }
    EXPECT_FALSE(LoadBmpFromMemory(memory, nullptr, 0));
    EXPECT_EQ(memory.LiveBlocks(), 0u);
}

}  // namespace
}  // namespace z8::test
