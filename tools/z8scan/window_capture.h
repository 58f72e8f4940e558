#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/z8scan/picture_file.h"

namespace z8scan {

// What a window shows now, frame included (null: the whole screen). Reads
// the window's pixels without asking its thread, so a busy window is taken
// as it stands. False with the reason when it cannot.
bool CapturePicture(HWND window, Picture& picture, std::string& why);

// The colour (0xRRGGBB) at a point of a window's client area.
bool ReadPixel(HWND window, int x, int y, uint32_t& colour, std::string& why);

// Writes a whole file (UTF-8 name).
bool WriteWholeFile(const std::string& fileName, const std::vector<uint8_t>& bytes,
                    std::string& why);

}  // namespace z8scan
