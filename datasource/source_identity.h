#pragma once

#include <string_view>

#include "platform/string_table.h"
#include "twain/twain.h"

namespace z8 {

// Copies text into a TWAIN string field, always zero-terminated: a text longer
// than the field keeps its first (size - 1) bytes.
template <size_t N>
void CopyTwainString(char (&field)[N], std::string_view text) {
    const size_t n = text.size() < N - 1 ? text.size() : N - 1;
    text.copy(field, n);
    for (size_t i = n; i < N; ++i)
        field[i] = '\0';
}

// The identity the source reports before the manager assigns its Id.
TW_IDENTITY MakeSourceIdentity(const StringTable& strings);

}  // namespace z8
