#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "imaging/image.h"
#include "platform/global_memory_table.h"

namespace z8::test {

// An image whose pixel (x, y) (y from the top of the picture) is value(x, y):
// a level for 1 and 8 bits (for 1 bit, non-zero sets the bit), for 24 bits
// (blue, green, red) packed as 0xRRGGBB.
std::unique_ptr<Image> MakeImage(GlobalMemory& memory, int width, int height, int bitCount,
                                 const std::function<std::uint32_t(int x, int y)>& value);

// Pixel (x, y) from the top, raw: the index for 1 and 8 bits, 0xRRGGBB for 24.
std::uint32_t PixelAt(const Image& image, int x, int y);

// The picture as RGB bytes, rows from the top, through the colour table.
std::vector<std::uint8_t> RgbTopDown(const Image& image);

// A packed DIB in a fresh block: the given header fields, table and rows.
struct TestDibLayout {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::vector<std::uint8_t> table;   // 4 bytes an entry
    std::vector<std::uint8_t> pixels;  // as stored
    std::size_t extra = 0;             // bytes added at the end of the block
};
std::vector<std::uint8_t> DibBytes(const TestDibLayout& layout);
GlobalHandle DibBlock(GlobalMemory& memory, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> BlockBytes(GlobalMemory& memory, GlobalHandle block);

// A folder of its own under the system's temporary folder, removed after.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::filesystem::path Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Runs a shell command line; its standard output in out, true on exit 0.
bool RunCommand(const std::string& command, std::string& out);
// Fails the test with a clear message when an independent reader is missing.
testing::AssertionResult ToolAvailable(const std::string& tool);
// Reads a binary PNM (P5 grey or P6 colour, maxval 255) as RGB bytes.
bool ParsePnm(const std::string& data, int& width, int& height, std::vector<std::uint8_t>& rgb);

}  // namespace z8::test
