#pragma once

#include "twain/twain.h"

namespace z8 {

// Process-wide TWAIN state of the loaded source.
struct DataSourceState {
    TW_IDENTITY sourceIdentity{};
    TW_IDENTITY appIdentity{};
    TW_UINT16 conditionCode = TWCC_SUCCESS;
};

// Serves one triplet; the body of DS_Entry once the platform layer has decoded
// the call. Never throws.
TW_UINT16 HandleTriplet(DataSourceState& state, const TW_IDENTITY* origin, TW_UINT32 dg,
                        TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);

}  // namespace z8
