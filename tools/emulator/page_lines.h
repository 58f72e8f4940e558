#pragma once

#include <cstdint>
#include <vector>

#include "device/scan_parameter_block.h"

namespace z8::emu {

// Scan modes of the parameter block.
inline constexpr uint8_t kModeBlackWhite = 0;
inline constexpr uint8_t kModeGrey = 1;
inline constexpr uint8_t kModeColour = 3;

// Bytes of one scanned line of the block on the wire: 3 × width for colour,
// width for grey, (width + 7) / 8 for black and white; 0 for another mode.
uint32_t LineLength(const ScanParameterBlock& block);

// Appends scanned line `row` (0 is the block's top edge) as page_pattern.h
// draws it and the wire carries it.
void AppendLine(const ScanParameterBlock& block, uint32_t row, std::vector<uint8_t>& out);

}  // namespace z8::emu
