#include "tools/emulator/page_lines.h"

#include "tools/emulator/page_pattern.h"

namespace z8::emu {

namespace {

uint32_t Width(const ScanParameterBlock& block) {
    return block.right > block.left ? uint32_t{block.right} - block.left : 0;
}

}  // namespace

uint32_t LineLength(const ScanParameterBlock& block) {
    const uint32_t width = Width(block);
    switch (block.mode) {
        case kModeColour:
            return 3 * width;
        case kModeGrey:
            return width;
        case kModeBlackWhite:
            return (width + 7) / 8;
        default:
            return 0;
    }
}

void AppendLine(const ScanParameterBlock& block, uint32_t row, std::vector<uint8_t>& out) {
    const uint32_t width = Width(block);
    const uint32_t y = block.top + row;
    const uint32_t xres = block.xResolution;
    const uint32_t yres = block.yResolution;
    switch (block.mode) {
        case kModeColour: {
            // One look at the pattern per pixel, into the three planes: the
            // emulator must not be what limits an unthrottled line.
            const size_t start = out.size();
            out.resize(start + size_t{3} * width);
            uint8_t* red = out.data() + start;
            for (uint32_t c = 0; c < width; ++c) {
                const page::Rgb rgb = page::Colour(block.left + c, y, xres, yres);
                red[c] = rgb.red;
                red[width + c] = rgb.green;
                red[2 * width + c] = rgb.blue;
            }
            break;
        }
        case kModeGrey: {
            const size_t start = out.size();
            out.resize(start + width);
            for (uint32_t c = 0; c < width; ++c) {
                out[start + c] =
                    static_cast<uint8_t>(255 - page::Grey(block.left + c, y, xres, yres));
            }
            break;
        }
        case kModeBlackWhite:
            for (uint32_t c = 0; c < width; c += 8) {
                uint8_t byte = 0;
                for (uint32_t bit = 0; bit < 8 && c + bit < width; ++bit) {
                    if (page::Black(block.left + c + bit, y, xres, yres)) {
                        byte |= static_cast<uint8_t>(0x80u >> bit);
                    }
                }
                out.push_back(byte);
            }
            break;
        default:
            break;
    }
}

}  // namespace z8::emu
