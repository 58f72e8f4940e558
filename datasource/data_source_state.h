#pragma once

#include "twain/twain.h"

namespace z8 {

// Process-wide TWAIN state of the loaded source.
struct DataSourceState {
    TW_IDENTITY sourceIdentity{};
    TW_IDENTITY appIdentity{};  // Id 0: not open
    int sourceState = 3;
    TW_UINT16 conditionCode = TWCC_SUCCESS;
    bool lumetoCaller = false;
};

}  // namespace z8
