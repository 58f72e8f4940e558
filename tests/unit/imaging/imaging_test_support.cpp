#include "imaging_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "imaging/dib_format.h"

namespace z8::test {

std::unique_ptr<Image> MakeImage(GlobalMemory& memory, int width, int height, int bitCount,
                                 const std::function<std::uint32_t(int x, int y)>& value) {
    auto image = Image::Create(memory, width, height, static_cast<std::uint16_t>(bitCount));
    if (!image) return nullptr;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = image->Row(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitCount == 24) {
                row[3 * x] = static_cast<std::uint8_t>(v);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
            } else if (bitCount == 8) {
                row[x] = static_cast<std::uint8_t>(v);
            } else if (v) {
                row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
    return image;
}

std::uint32_t PixelAt(const Image& image, int x, int y) {
    const std::uint8_t* row = image.Row(image.Height() - 1 - y);
    switch (image.BitCount()) {
        case 24:
            return row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
        case 8:
            return row[x];
        default:
            return (row[x / 8] >> (7 - x % 8)) & 1;
    }
}

std::vector<std::uint8_t> RgbTopDown(const Image& image) {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint32_t v = PixelAt(image, x, y);
            if (image.BitCount() == 24) {
                rgb.insert(rgb.end(),
                           {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                            static_cast<std::uint8_t>(v)});
            } else {
                const RgbQuad c = image.Palette()[v];
                rgb.insert(rgb.end(), {c.red, c.green, c.blue});
            }
        }
    }
    return rgb;
}

std::vector<std::uint8_t> DibBytes(const TestDibLayout& layout) {
    // A header shorter than 40 bytes keeps only its first fields.
    std::vector<std::uint8_t> bytes(std::max<std::size_t>(layout.headerSize, 40));
    WriteLe32(bytes.data(), layout.headerSize);
    WriteLe32(bytes.data() + 4, static_cast<std::uint32_t>(layout.width));
    WriteLe32(bytes.data() + 8, static_cast<std::uint32_t>(layout.height));
    WriteLe16(bytes.data() + 12, 1);
    WriteLe16(bytes.data() + 14, layout.bitCount);
    WriteLe32(bytes.data() + 16, layout.compression);
    WriteLe32(bytes.data() + 24, static_cast<std::uint32_t>(layout.xPelsPerMeter));
    WriteLe32(bytes.data() + 28, static_cast<std::uint32_t>(layout.yPelsPerMeter));
    WriteLe32(bytes.data() + 32, layout.clrUsed);
    bytes.resize(layout.headerSize);
    bytes.insert(bytes.end(), layout.table.begin(), layout.table.end());
    bytes.insert(bytes.end(), layout.pixels.begin(), layout.pixels.end());
    bytes.resize(bytes.size() + layout.extra);
    return bytes;
}

GlobalHandle DibBlock(GlobalMemory& memory, const std::vector<std::uint8_t>& bytes) {
    GlobalHandle block = memory.Allocate(bytes.size());
    auto* p = static_cast<std::uint8_t*>(memory.Lock(block));
    std::copy(bytes.begin(), bytes.end(), p);
    memory.Unlock(block);
    return block;
}

std::vector<std::uint8_t> BlockBytes(GlobalMemory& memory, GlobalHandle block) {
    const auto* p = static_cast<const std::uint8_t*>(memory.Lock(block));
    std::vector<std::uint8_t> bytes(p, p + memory.Size(block));
    memory.Unlock(block);
    return bytes;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "z8imaging-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool RunCommand(const std::string& command, std::string& out) {
    out.clear();
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[1 << 14];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    return pclose(pipe) == 0;
}

testing::AssertionResult ToolAvailable(const std::string& tool) {
    std::string out;
    if (RunCommand("command -v " + tool, out)) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the independent reader '" << tool
           << "' is not installed: run scripts/bootstrap.sh (it installs libtiff-tools, "
              "imagemagick and libjpeg-turbo-progs)";
}

bool ParsePnm(const std::string& data, int& width, int& height, std::vector<std::uint8_t>& rgb) {
    std::istringstream in(data);
    std::string magic;
    int maxval = 0;
    in >> magic >> width >> height >> maxval;
    in.get();
    if ((magic != "P5" && magic != "P6") || maxval != 255 || !in) return false;
    const std::size_t channels = magic == "P6" ? 3 : 1;
    const std::size_t count = static_cast<std::size_t>(width) * height * channels;
    const std::size_t start = static_cast<std::size_t>(in.tellg());
    if (data.size() < start + count) return false;
    const auto* p = reinterpret_cast<const std::uint8_t*>(data.data()) + start;
    rgb.clear();
    for (std::size_t i = 0; i < count; ++i)
        rgb.insert(rgb.end(), channels == 3 ? 1 : 3, p[i]);
    return true;
}

}  // namespace z8::test
