#pragma once

#include <cstddef>

#include "twain/twain.h"

namespace z8 {

// Bytes of one container item of the given TWTY_ type; 0 for the types no
// container of ours carries (frames, strings, handles).
constexpr std::size_t ItemSize(TW_UINT16 itemType) {
    switch (itemType) {
        case TWTY_INT8:
        case TWTY_UINT8:
            return 1;
        case TWTY_INT16:
        case TWTY_UINT16:
        case TWTY_BOOL:
            return 2;
        case TWTY_INT32:
        case TWTY_UINT32:
        case TWTY_FIX32:
            return 4;
        default:
            return 0;
    }
}

}  // namespace z8
