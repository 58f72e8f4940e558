#pragma once

#include "twain/twain.h"

namespace z8 {

enum class TripletCheck {
    Accepted,
    BadProtocol,  // not a triplet this source serves
    SeqError,     // served, but not in the current state
};

// The one place that says which triplets the source serves and in which
// TWAIN states (3 to 7). Capability messages are checked by their own handler.
TripletCheck CheckTriplet(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, int state);

}  // namespace z8
