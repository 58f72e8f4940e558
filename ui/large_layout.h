#pragma once

namespace z8 {

struct WindowSize {
    int width;
    int height;
};

// With large system fonts the sheet-feeder button grows past 50 pixels; the
// dialog is then enlarged by the ratios 725/550 and 608/495.
inline bool NeedsLargeLayout(int feederButtonHeight) {
    return feederButtonHeight > 50;
}

inline WindowSize LargeLayoutSize(WindowSize current) {
    return {static_cast<int>(current.width * 1.3181818181818181),
            static_cast<int>(current.height * 1.2282828282828282)};
}

}  // namespace z8
