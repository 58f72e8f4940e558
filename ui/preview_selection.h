#pragma once

#include <cstdint>
#include <optional>

#include "settings/scan_settings.h"
#include "ui/tracker_geometry.h"

namespace z8 {

// The preview pane stands for a whole A4 sheet, whatever its size in pixels.
inline constexpr double kSheetWidthInches = 8.27;
inline constexpr double kSheetHeightInches = 11.7;
// A rubber band must be wider and higher than this to select anything.
inline constexpr int kMinimumSelection = 5;

// The selection a dragged rectangle makes in a pane of width × height
// pixels: normalised and clipped to the pane less one pixel on every side.
// Nothing when the rectangle is 5 pixels or less across or high
// (rubberBand only: a click without a drag), or when nothing of it is left
// inside the pane.
std::optional<PixelRect> SelectionFromDrag(const PixelRect& dragged, int paneWidth, int paneHeight,
                                           bool rubberBand);

// The selected area in pixels at a resolution, edges as the settings store them.
struct SheetFrame {
    TW_INT16 left = 0;
    TW_INT16 top = 0;
    TW_INT16 right = 0;
    TW_INT16 bottom = 0;
    bool operator==(const SheetFrame&) const = default;
};

// The pane selection turned into pixels of the sheet at xDpi by yDpi:
// left = xDpi × (selection.left − 1) × 8.27 / width, and so on, in double
// precision, truncated toward zero and kept within 0..32767. No selection,
// a pane without area or a selection that ends empty is the whole sheet
// (0, 0, xDpi × 8.27, yDpi × 11.7).
SheetFrame FrameOfSelection(const std::optional<PixelRect>& selection, int paneWidth,
                            int paneHeight, int xDpi, int yDpi);

// Stores the frame of the selection into the settings' selected area, at
// their resolution.
void ApplySelection(CScanSettings& settings, const std::optional<PixelRect>& selection,
                    int paneWidth, int paneHeight);

}  // namespace z8
