#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/global_memory.h"
#include "settings/scan_settings.h"
#include "twain/twain.h"

namespace z8 {

// What a capability works on: the source's one set of scan settings and the
// memory that containers are made of.
struct CapabilityContext {
    CScanSettings& settings;
    GlobalMemory& memory;
};

// A capability's value in the settings, as the item it is reported in.
using CapabilityReader = TW_UINT32 (*)(const CScanSettings& settings);
// Takes the item of a MSG_SET; false refuses it with TWCC_BADVALUE.
using CapabilityStore = bool (*)(CScanSettings& settings, TW_UINT32 item);
using CapabilityReset = void (*)(CScanSettings& settings);
// Serves MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_SET and MSG_RESET for
// a capability with rules of its own; answers a TWCC_ code.
using CapabilityHandler = TW_UINT16 (*)(CapabilityContext& context, TW_CAPABILITY& capability,
                                        TW_UINT16 msg, TW_UINT16 capabilityId);

// What the three get messages answer.
enum class GetShape : std::uint8_t {
    OneValue,          // each the value of its reader
    EnumerationAtGet,  // MSG_GET the list, the other two one value
    Enumeration,       // each the list
    Range,             // each the range
};

// How MSG_SET takes the application's container.
enum class SetRule : std::uint8_t {
    Refused,              // TWCC_CAPBADOPERATION
    Ignored,              // served without reading it
    OneValue,             // a TW_ONEVALUE of setType, whose item goes to the store
    OneValueElseIgnored,  // the same, but another container type is served unread
};

struct FixedRange {
    TW_FIX32 min, max, step, byDefault;
};

// One capability as data. A list carries the current and default values at
// their positions (the default's position, or 0, when a value is not in it);
// a range carries them as they are.
struct CapabilityRow {
    TW_UINT16 capability;
    TW_INT32 support;  // TWQC_ bits answered by MSG_QUERYSUPPORT
    // Set for the few capabilities with rules of their own: the rest of the
    // row is then unused.
    CapabilityHandler handler = nullptr;
    TW_UINT16 itemType = TWTY_UINT16;
    GetShape shape = GetShape::OneValue;
    // The values of MSG_GET, MSG_GETCURRENT and MSG_GETDEFAULT; a missing
    // reader refuses its message (TWCC_CAPBADOPERATION) in the one-value
    // answers. A list takes current and byDefault, a range current.
    CapabilityReader get = nullptr;
    CapabilityReader current = nullptr;
    CapabilityReader byDefault = nullptr;
    std::span<const TW_UINT16> list = {};
    FixedRange range = {};
    SetRule set = SetRule::Refused;
    TW_UINT16 setType = TWTY_UINT16;
    CapabilityStore store = nullptr;
    CapabilityReset reset = nullptr;  // missing: MSG_RESET is refused
};

inline constexpr std::size_t kCapabilityCount = 32;

// The row of a capability id; null when the source does not support it.
const CapabilityRow* FindCapability(TW_UINT16 capabilityId);

// The supported ids in table order: the CAP_SUPPORTEDCAPS answer.
const std::array<TW_UINT16, kCapabilityCount>& SupportedCapabilityIds();

// DG_CONTROL/DAT_CAPABILITY in any state: applies the message rules, finds
// the row and answers from it. Answers the condition code, TWCC_SUCCESS on
// success; the request's ConType and hContainer carry the answer.
TW_UINT16 AnswerCapability(CapabilityContext& context, TW_UINT16 msg, TW_CAPABILITY& capability);

}  // namespace z8
