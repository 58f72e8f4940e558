#pragma once

#include <cstddef>
#include <cstdint>

namespace z8 {

// Bytes PackBits may need for n input bytes in the worst case.
inline std::size_t PackBitsBound(std::size_t n) {
    return n + (n + 127) / 128;
}

// Compresses n bytes with PackBits (Apple's run-length scheme, TIFF
// compression 32773) into out, which holds PackBitsBound(n) bytes; returns
// the bytes written. Runs of three or more equal bytes become repeat codes,
// everything else literal codes of up to 128 bytes.
std::size_t PackBits(const std::uint8_t* in, std::size_t n, std::uint8_t* out);

}  // namespace z8
