#pragma once

#include <cstdint>

#include "twain/twain.h"

namespace z8 {

// TW_FIX32 to a single-precision real: Whole + Frac / 65536, rounded once to float.
constexpr float Fix32ToFloat(TW_FIX32 value) {
    return static_cast<float>(value.Whole + value.Frac / 65536.0);
}

// A single-precision real to TW_FIX32: v = x * 65536 + 0.5 truncated toward zero,
// the 0.5 being added for negative values too (so -100.0 gives Whole -100, Frac 1);
// Whole = v >> 16 (arithmetic), Frac = the low 16 bits of v. The product and sum
// are exact in double, so no precision setting of the FPU changes the result.
// Beyond the 32-bit range the result saturates at Whole 32767 Frac 65535 or
// Whole -32768 Frac 0, and NaN gives 0, instead of an undefined conversion.
constexpr TW_FIX32 FloatToFix32(float x) {
    const double v = static_cast<double>(x) * 65536.0 + 0.5;
    int32_t n = 0;
    if (v >= 2147483648.0)
        n = INT32_MAX;
    else if (v <= -2147483649.0)
        n = INT32_MIN;
    else if (v == v)  // NaN stays 0
        n = static_cast<int32_t>(v);
    return TW_FIX32{static_cast<TW_INT16>(n >> 16), static_cast<TW_UINT16>(n & 0xFFFF)};
}

// A whole number as TW_FIX32 with fraction 0.
constexpr TW_FIX32 WholeFix32(TW_INT16 whole) {
    return TW_FIX32{whole, 0};
}

}  // namespace z8
