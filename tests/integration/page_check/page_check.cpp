// page_check FILE.bmp|FILE.rgb bw|grey|rgb LEFT TOP WIDTH HEIGHT XDPI YDPI
// Reads a BMP file (uncompressed, 1, 8 or 24 bits, either row order) with a
// reader of its own, or the raw red-green-blue bytes, rows from the top, that
// another reader decoded from any file, and compares every pixel with the
// emulator's page pattern for a scan of that area: exit 0 when all match, 1
// otherwise (the first differences are printed), 2 for a file that is not
// such a BMP.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/emulator/page_pattern.h"

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + i];
    return v;
}

void PutLe(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

// The raw rows as a top-down 24-bit BMP, so that one reader checks both.
std::vector<uint8_t> BmpOfRawRgb(const std::vector<uint8_t>& raw, int width, int height) {
    const size_t line = (size_t(width) * 24 + 31) / 32 * 4;
    std::vector<uint8_t> b(54 + line * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutLe(b, 10, 54);
    PutLe(b, 14, 40);
    PutLe(b, 18, uint32_t(width));
    PutLe(b, 22, uint32_t(-height));
    b[26] = 1;
    b[28] = 24;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const uint8_t* from = &raw[(size_t(r) * width + c) * 3];
            uint8_t* to = &b[54 + line * r + 3 * size_t(c)];
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return b;
}

struct Colour {
    int red, green, blue;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 9) {
        std::fprintf(stderr,
                     "usage: page_check FILE.bmp bw|grey|rgb LEFT TOP WIDTH HEIGHT XDPI YDPI\n");
        return 2;
    }
    const std::string path = argv[1], kind = argv[2];
    const uint32_t left = std::atoi(argv[3]), top = std::atoi(argv[4]);
    const int width = std::atoi(argv[5]), height = std::atoi(argv[6]);
    const uint32_t xdpi = std::atoi(argv[7]), ydpi = std::atoi(argv[8]);
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), {});
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".rgb") == 0) {
        if (b.size() != size_t(width) * height * 3) {
            std::printf("%s: %zu bytes, expected %d x %d x 3\n", path.c_str(), b.size(), width,
                        height);
            return 1;
        }
        b = BmpOfRawRgb(b, width, height);
    }
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        std::printf("%s: not a BMP file\n", path.c_str());
        return 2;
    }
    const uint32_t pixels = Le(b, 10, 4), header = Le(b, 14, 4);
    const int fileWidth = static_cast<int32_t>(Le(b, 18, 4));
    const int fileHeight = static_cast<int32_t>(Le(b, 22, 4));
    const int rows = fileHeight < 0 ? -fileHeight : fileHeight;
    const int bits = static_cast<int>(Le(b, 28, 2));
    const uint32_t used = Le(b, 46, 4);
    const size_t line = (size_t(fileWidth) * bits + 31) / 32 * 4;
    const size_t entries = bits <= 8 ? (used != 0 ? used : 1u << bits) : 0;
    if (Le(b, 30, 4) != 0 || (bits != 1 && bits != 8 && bits != 24) ||
        14 + header + 4 * entries > b.size() || pixels + line * rows > b.size()) {
        std::printf("%s: not an uncompressed 1-, 8- or 24-bit BMP\n", path.c_str());
        return 2;
    }
    if (fileWidth != width || rows != height) {
        std::printf("%s: %d x %d, expected %d x %d\n", path.c_str(), fileWidth, rows, width,
                    height);
        return 1;
    }
    const auto tableEntry = [&](size_t i) {
        const size_t at = 14 + header + 4 * i;
        return i < entries ? Colour{b[at + 2], b[at + 1], b[at]} : Colour{-1, -1, -1};
    };
    long wrong = 0;
    for (int r = 0; r < rows; ++r) {
        const size_t row = pixels + line * size_t(fileHeight > 0 ? rows - 1 - r : r);
        for (int c = 0; c < width; ++c) {
            Colour got{};
            if (bits == 24) {
                got = {b[row + 3 * c + 2], b[row + 3 * c + 1], b[row + 3 * c]};
            } else if (bits == 8) {
                got = tableEntry(b[row + c]);
            } else {
                got = tableEntry((b[row + c / 8] >> (7 - c % 8)) & 1);
            }
            const uint32_t x = left + c, y = top + r;
            Colour want{};
            if (kind == "rgb") {
                const z8::page::Rgb rgb = z8::page::Colour(x, y, xdpi, ydpi);
                want = {rgb.red, rgb.green, rgb.blue};
            } else if (kind == "grey") {
                const int level = z8::page::Grey(x, y, xdpi, ydpi);
                want = {level, level, level};
            } else {
                const int level = z8::page::Black(x, y, xdpi, ydpi) ? 0 : 255;
                want = {level, level, level};
            }
            if (got.red == want.red && got.green == want.green && got.blue == want.blue) continue;
            if (++wrong <= 5) {
                std::printf("%s: pixel (%d, %d) is %d,%d,%d, expected %d,%d,%d\n", path.c_str(), c,
                            r, got.red, got.green, got.blue, want.red, want.green, want.blue);
            }
        }
    }
    if (wrong != 0) {
        std::printf("%s: %ld of %d pixels differ\n", path.c_str(), wrong, width * height);
        return 1;
    }
    std::printf("%s: %d x %d %s, every pixel as the emulator scanned it\n", path.c_str(), width,
                height, kind.c_str());
    return 0;
}
