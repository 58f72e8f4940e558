#pragma once

#include <cstdint>

namespace z8 {

// The rulers' unit for the user's language identifier: centimetres (1) for
// German, Spanish, French, Italian and Dutch primary languages, else inches (0).
inline uint16_t RulerUnitForLanguage(uint16_t languageId) {
    switch (languageId & 0x3FF) {
        case 7:   // German
        case 10:  // Spanish
        case 12:  // French
        case 16:  // Italian
        case 19:  // Dutch
            return 1;
        default:
            return 0;
    }
}

}  // namespace z8
