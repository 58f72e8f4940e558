#pragma once

#include <cstddef>
#include <cstdint>

namespace z8 {

// Copies `bytes` bytes of a colour row, exchanging the first and third byte
// of every whole 3-byte group (blue-green-red pixels become red-green-blue),
// the row's padding included; a last group of one or two bytes is copied as
// it is. The two rows must not overlap. Uses the widest byte shuffles the
// processor has: a page goes at close to the speed of a plain copy.
void CopyRowSwappingRedAndBlue(const uint8_t* from, uint8_t* to, size_t bytes);

// The ways of doing it, widest first: 64-byte permutes (AVX-512 VBMI),
// 32-byte shuffles (AVX2), 64-bit words (any processor). The one above uses
// the first the processor has; tests hold each against the others.
enum class RowSwap { Permute64, Shuffle32, Words };
bool RowSwapAvailable(RowSwap way);
void CopyRowSwappingRedAndBlue(RowSwap way, const uint8_t* from, uint8_t* to, size_t bytes);

}  // namespace z8
