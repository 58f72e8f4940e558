#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "twain/twain.h"

namespace z8scan {

// One item as text: signed or unsigned by its type, TRUE/FALSE for a
// boolean, a decimal real for a TW_FIX32 (four decimals, five where four
// would show another whole part than the value's own), a
// capability's name for the items of CAP_SUPPORTEDCAPS.
std::string ItemText(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item);

// The container a source answered msg with, read from its block's bytes (the
// block may be shorter than its header claims: what is missing is said, never
// read), on one line, for example
//   TW_ENUMERATION TWTY_UINT16 4 items [0, 1, 3, 2] CurrentIndex 3 (2) DefaultIndex 1 (1)
// The answer to MSG_QUERYSUPPORT also names the operations of its mask.
std::string DescribeContainer(TW_UINT16 msg, TW_UINT16 cap, TW_UINT16 conType,
                              std::span<const uint8_t> block);

// The 16-bit items of a TW_ARRAY (the CAP_SUPPORTEDCAPS answer), as many as
// the block holds; empty for another container.
std::vector<TW_UINT16> ArrayItems(TW_UINT16 conType, std::span<const uint8_t> block);

// What a capability step is, "MSG_SET ICAP_UNITS TWTY_UINT16 1", and a refusal,
// "refused, rc 1 cc 10 TWCC_BADVALUE".
std::string StepLabel(TW_UINT16 msg, TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item);
std::string RefusalText(TW_UINT16 rc, TW_UINT16 cc);

// TWAIN's item packing for a TW_ONEVALUE: value parsed for itemType (integers
// in the type's range, booleans as true/false/1/0, TW_FIX32 as a real);
// false when the text does not fit the type.
bool ParseItem(TW_UINT16 itemType, const std::string& text, TW_UINT32& item);

}  // namespace z8scan
