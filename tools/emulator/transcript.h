#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace z8::emu {

// The readable form of the traffic, one frame a line:
//   >> 30 00 00 00 00 00  # status
//   << 30 00 01 00 00 00 | 05  # status 5 SCAN_FEUILLE_PRETE
// ">>" goes to the scanner, "<<" comes from it; the header in hex, then "|"
// and the payload (the first 32 bytes, then "...(+N)"), then a note.
inline constexpr std::string_view kToScanner = ">>";
inline constexpr std::string_view kFromScanner = "<<";

// One whole frame.
std::string FormatFrame(std::string_view direction, std::span<const uint8_t> frame);

// A byte stream cut into frames; a frame cut short ends with "(incomplete)".
std::vector<std::string> FormatStream(std::string_view direction, std::span<const uint8_t> bytes);

}  // namespace z8::emu
