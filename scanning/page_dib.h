#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "device/frame.h"
#include "device/scan_parameter_block.h"

namespace z8 {

// What the scanner's lines hold, from the mode byte of the block sent.
enum class PixelKind : uint8_t { BlackWhite, Grey, Colour };
std::optional<PixelKind> PixelKindOfMode(uint8_t mode);

// The largest page the source takes: larger geometries fail the run instead
// of asking the system for a block it cannot give or the transfers cannot
// describe.
inline constexpr uint64_t kMaxPageBytes = uint64_t{1} << 30;

// How one page lives in its packed DIB: a 40-byte header, the colour table
// (2 entries for black and white, 256 for grey, none for colour), then
// `height` rows of `bytesPerLine` bytes.
struct PageLayout {
    PixelKind kind = PixelKind::Grey;
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t bitCount = 0;
    uint32_t pixelBytesPerRow = 0;  // bytes of a row that hold pixels
    uint32_t bytesPerLine = 0;      // pixel bytes plus padding to 4 bytes
    uint32_t headerBytes = 0;       // header and colour table: 48, 1064 or 40
    uint64_t imageBytes = 0;
    uint64_t totalBytes = 0;
    // Colour pages and grey previews are stored bottom-up (the first scanned
    // line is the last row in memory); grey final pages and black and white
    // in scan order. The transfers mirror them accordingly.
    bool bottomUp = true;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    // The line length a band needs to fill a row: three planes of `width`
    // bytes for colour.
    uint32_t MinimumLineLength() const;
};

// The layout of the page the geometry reply announces; none when its width or
// height is 0, an edge lies before its opposite, or the DIB would be larger
// than kMaxPageBytes. Resolutions are whole dots per inch.
std::optional<PageLayout> PlanPage(const ScanParameterBlock& geometry, PixelKind kind, bool preview,
                                   int xDpi, int yDpi);

// Writes the header and colour table at the start of `dib` (at least
// layout.totalBytes long) and fills the pixel area with 0xFF.
void WriteDibHeader(std::span<uint8_t> dib, const PageLayout& layout);

// Copies the lines of a band into the pixel area, the band's first line being
// scanned row `firstRow`: colour from three planes (red, green, blue, each a
// third of the line) into blue-green-red pixels; grey inverted (255 - byte);
// black and white complemented, eight pixels a byte. Padding bytes become 0;
// rows past the page's height are dropped. False, with nothing written, when
// the band's lines are shorter than a row needs.
bool CopyBand(const PageLayout& layout, std::span<uint8_t> pixels, uint32_t firstRow,
              const Band& band);

}  // namespace z8
