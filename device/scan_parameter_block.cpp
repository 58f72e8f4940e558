#include "device/scan_parameter_block.h"

namespace z8 {

namespace {

void Put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

uint16_t Get16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

}  // namespace

std::array<uint8_t, kScanParameterBlockSize> EncodeBlock(const ScanParameterBlock& block) {
    std::array<uint8_t, kScanParameterBlockSize> bytes{};
    bytes[0] = block.mode;
    bytes[1] = block.bitsPerSample;
    bytes[2] = block.fixed2;
    bytes[3] = block.source;
    bytes[4] = block.colourLayout;
    bytes[5] = static_cast<uint8_t>(block.brightness);
    bytes[6] = block.reserved6;
    bytes[7] = block.reserved7;
    bytes[8] = static_cast<uint8_t>(block.red);
    bytes[9] = static_cast<uint8_t>(block.green);
    bytes[10] = static_cast<uint8_t>(block.blue);
    bytes[11] = block.bwMode;
    Put16(&bytes[12], block.xResolution);
    Put16(&bytes[14], block.yResolution);
    Put16(&bytes[16], block.left);
    Put16(&bytes[18], block.right);
    Put16(&bytes[20], block.top);
    Put16(&bytes[22], block.bottom);
    bytes[24] = block.fixed24;
    bytes[25] = block.fixed25;
    return bytes;
}

ScanParameterBlock DecodeBlock(std::span<const uint8_t, kScanParameterBlockSize> bytes) {
    ScanParameterBlock block;
    block.mode = bytes[0];
    block.bitsPerSample = bytes[1];
    block.fixed2 = bytes[2];
    block.source = bytes[3];
    block.colourLayout = bytes[4];
    block.brightness = static_cast<int8_t>(bytes[5]);
    block.reserved6 = bytes[6];
    block.reserved7 = bytes[7];
    block.red = static_cast<int8_t>(bytes[8]);
    block.green = static_cast<int8_t>(bytes[9]);
    block.blue = static_cast<int8_t>(bytes[10]);
    block.bwMode = bytes[11];
    block.xResolution = Get16(&bytes[12]);
    block.yResolution = Get16(&bytes[14]);
    block.left = Get16(&bytes[16]);
    block.right = Get16(&bytes[18]);
    block.top = Get16(&bytes[20]);
    block.bottom = Get16(&bytes[22]);
    block.fixed24 = bytes[24];
    block.fixed25 = bytes[25];
    return block;
}

}  // namespace z8
