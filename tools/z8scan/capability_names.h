#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "twain/twain.h"

namespace z8scan {

// TWAIN names for printing and for the command line (containers by their
// record, TW_ONEVALUE); null when unknown.
const char* CapabilityName(TW_UINT16 cap);
const char* ItemTypeName(TW_UINT16 itemType);
const char* ContainerTypeName(TW_UINT16 conType);
const char* ConditionCodeName(TW_UINT16 cc);
const char* MessageName(TW_UINT16 msg);

// A capability's name, or the hexadecimal number when it has none.
std::string CapabilityLabel(TW_UINT16 cap);

// A capability given by name (CAP_XFERCOUNT, icap_units: any case) or by
// number (1, 0x1118).
std::optional<TW_UINT16> ParseCapability(std::string_view text);
// An item type given by name (uint16, TWTY_FIX32: any case).
std::optional<TW_UINT16> ParseItemType(std::string_view text);

}  // namespace z8scan
