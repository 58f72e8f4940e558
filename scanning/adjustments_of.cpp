#include "scanning/adjustments_of.h"

namespace z8 {

AdjustmentSettings AdjustmentsOf(const CScanSettings& s) {
    AdjustmentSettings a;
    a.contrast = s.Contrast();
    a.brightness = s.Brightness();
    a.gamma = s.Gamma();
    a.red = s.Red();
    a.green = s.Green();
    a.blue = s.Blue();
    a.pixelType = s.PixelType();
    a.mirrorV = s.MirrorV();
    a.mirrorH = s.MirrorH();
    a.invert = s.Invert();
    a.filterIndex = s.FilterIndex();
    return a;
}

}  // namespace z8
