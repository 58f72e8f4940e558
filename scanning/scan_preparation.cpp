#include "scanning/scan_preparation.h"

namespace z8 {
namespace {

constexpr uint16_t kPreviewDpi = 80;

void SetFixedBytes(ScanParameterBlock& block) {
    block.fixed2 = 2;
    block.fixed24 = 0;
    block.fixed25 = 2;
}

}  // namespace

ScanParameterBlock PreviewBlock(const CScanSettings& settings, ScanParameterBlock block) {
    SetFixedBytes(block);
    switch (settings.PreviewColourKind()) {
        case 1:
            block.mode = 1;
            block.colourLayout = 0;
            break;
        case 2:
            block.mode = 3;
            block.colourLayout = 2;
            break;
        default:
            break;
    }
    block.bitsPerSample = 8;
    block.bwMode = 0;
    block.source = static_cast<uint8_t>(settings.SourceCode());
    block.brightness = 0;
    block.reserved6 = 0;
    block.reserved7 = 0;
    block.red = 0;
    block.green = 0;
    block.blue = 0;
    block.xResolution = kPreviewDpi;
    block.yResolution = kPreviewDpi;
    block.left = static_cast<uint16_t>(settings.PhysicalLeftInPixels80());
    block.right = static_cast<uint16_t>(settings.PhysicalRightInPixels80());
    block.top = static_cast<uint16_t>(settings.PhysicalTopInPixels80());
    block.bottom = static_cast<uint16_t>(settings.PhysicalBottomInPixels80());
    return block;
}

ScanParameterBlock FinalBlock(CScanSettings& settings, ScanParameterBlock block) {
    SetFixedBytes(block);
    switch (settings.PixelType()) {
        case TWPT_BW:
            block.mode = 0;
            block.colourLayout = 0;
            block.bitsPerSample = 1;
            block.bwMode = 2;
            break;
        case TWPT_RGB:
            block.mode = 3;
            block.colourLayout = 2;
            block.bitsPerSample = 8;
            block.bwMode = 0;
            break;
        case TWPT_GRAY:
        case TWPT_PALETTE:
            block.mode = 1;
            block.colourLayout = 0;
            block.bitsPerSample = 8;
            block.bwMode = 0;
            break;
        default:
            break;
    }
    settings.SetPixelType(settings.PixelType());
    block.source = static_cast<uint8_t>(settings.SourceCode());
    block.brightness = static_cast<int8_t>(settings.BrightnessWhole());
    block.reserved6 = 0;
    block.reserved7 = 0;
    block.red = settings.Red();
    block.green = settings.Green();
    block.blue = settings.Blue();
    block.xResolution = static_cast<uint16_t>(settings.XResolution().Whole);
    block.yResolution = static_cast<uint16_t>(settings.YResolution().Whole);
    const auto left = static_cast<uint16_t>(settings.LeftInPixels());
    const auto top = static_cast<uint16_t>(settings.TopInPixels());
    block.left = left;
    block.right =
        static_cast<uint16_t>(left + (settings.RightInPixels() - settings.LeftInPixels()));
    block.top = top;
    block.bottom =
        static_cast<uint16_t>(top + (settings.BottomInPixels() - settings.TopInPixels()));
    settings.SetPixelFrameLeft(block.left);
    settings.SetPixelFrameTop(block.top);
    settings.SetPixelFrameRight(block.right);
    settings.SetPixelFrameBottom(block.bottom);
    return block;
}

}  // namespace z8
