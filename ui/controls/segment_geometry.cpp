#include "ui/controls/segment_geometry.h"

#include <algorithm>
#include <cstdint>

namespace z8::ui {

int FilledLength(int position, int lower, int upper, int length) {
    if (upper <= lower || length <= 0) return 0;
    const std::int64_t clamped = std::clamp(position, lower, upper);
    // 64-bit: the whole int range times a screen length does not fit in 32 bits.
    const std::int64_t span = static_cast<std::int64_t>(upper) - lower;
    return static_cast<int>((clamped - lower) * length / span);
}

}  // namespace z8::ui
