#include "ui/preview_selection.h"

#include <cmath>
#include <cstdlib>

namespace z8 {
namespace {

constexpr double kEdgeMax = 32767.0;

// A pixel count truncated toward zero into the range an edge holds.
TW_INT16 Edge(double pixels) {
    if (!(pixels > 0.0)) return 0;  // also NaN
    return static_cast<TW_INT16>(std::trunc(std::fmin(pixels, kEdgeMax)));
}

// The pane pixel `position` as pixels of a sheet `inches` long at `dpi`: the
// first pixel inside the clipped selection is the sheet's edge.
TW_INT16 SheetPixels(int position, int paneLength, double inches, int dpi) {
    return Edge(static_cast<double>(dpi) *
                (static_cast<double>(position - 1) * inches / static_cast<double>(paneLength)));
}

}  // namespace

std::optional<PixelRect> SelectionFromDrag(const PixelRect& dragged, int paneWidth, int paneHeight,
                                           bool rubberBand) {
    const long long width = static_cast<long long>(dragged.right) - dragged.left;
    const long long height = static_cast<long long>(dragged.bottom) - dragged.top;
    if (rubberBand &&
        (std::llabs(width) <= kMinimumSelection || std::llabs(height) <= kMinimumSelection))
        return std::nullopt;
    const PixelRect inside{1, 1, paneWidth - 1, paneHeight - 1};
    const PixelRect clipped = Intersection(Normalised(dragged), inside);
    if (clipped.IsEmpty()) return std::nullopt;
    return clipped;
}

SheetFrame FrameOfSelection(const std::optional<PixelRect>& selection, int paneWidth,
                            int paneHeight, int xDpi, int yDpi) {
    if (selection && paneWidth > 0 && paneHeight > 0) {
        const SheetFrame frame{
            SheetPixels(selection->left, paneWidth, kSheetWidthInches, xDpi),
            SheetPixels(selection->top, paneHeight, kSheetHeightInches, yDpi),
            SheetPixels(selection->right, paneWidth, kSheetWidthInches, xDpi),
            SheetPixels(selection->bottom, paneHeight, kSheetHeightInches, yDpi)};
        if (frame.right > frame.left && frame.bottom > frame.top) return frame;
    }
    return SheetFrame{0, 0, Edge(static_cast<double>(xDpi) * kSheetWidthInches),
                      Edge(static_cast<double>(yDpi) * kSheetHeightInches)};
}

void ApplySelection(CScanSettings& settings, const std::optional<PixelRect>& selection,
                    int paneWidth, int paneHeight) {
    const SheetFrame frame =
        FrameOfSelection(selection, paneWidth, paneHeight, settings.XResolution().Whole,
                         settings.YResolution().Whole);
    settings.SetLeftPixels(frame.left);
    settings.SetRightPixels(frame.right);
    settings.SetTopPixels(frame.top);
    settings.SetBottomPixels(frame.bottom);
}

}  // namespace z8
