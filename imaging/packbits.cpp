#include "imaging/packbits.h"

#include <algorithm>

namespace z8 {

std::size_t PackBits(const std::uint8_t* in, std::size_t n, std::uint8_t* out) {
    std::size_t i = 0, o = 0;
    while (i < n) {
        std::size_t run = 1;
        while (i + run < n && run < 128 && in[i + run] == in[i])
            ++run;
        if (run >= 3) {
            out[o++] = static_cast<std::uint8_t>(257 - run);  // -(run - 1) as a byte
            out[o++] = in[i];
            i += run;
            continue;
        }
        // A literal stretch ends where a run of three starts.
        const std::size_t start = i;
        while (i < n && i - start < 128) {
            if (i + 2 < n && in[i] == in[i + 1] && in[i] == in[i + 2])
                break;
            ++i;
        }
        out[o++] = static_cast<std::uint8_t>(i - start - 1);
        std::copy(in + start, in + i, out + o);
        o += i - start;
    }
    return o;
}

}  // namespace z8
