#pragma once

#include <cstdint>

#include "twain/twain.h"

namespace z8::fuzz {

// The TWAIN states (3 to 7) as bits: bit n stands for state n.
using StateSet = uint8_t;

constexpr StateSet InState(int state) {
    return static_cast<StateSet>(1u << state);
}

// Where the TWAIN state table lets a source go when it has answered a
// triplet in `before` with `rc`; written from the protocol, apart from the
// source's own tables, with the latitudes this source takes and documents.
StateSet StatesAfter(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, int before, TW_UINT16 rc);

// Whether `rc` is an answer a source may give to that triplet at all.
bool PlausibleReturn(TW_UINT16 msg, TW_UINT16 dat, TW_UINT16 rc);

}  // namespace z8::fuzz
