#pragma once

#include <array>
#include <cstddef>

#include "platform/global_memory.h"
#include "settings/scan_settings.h"
#include "twain/twain.h"

namespace z8 {

// What a capability handler works on: the source's one set of scan settings
// and the memory that containers are made of.
struct CapabilityContext {
    CScanSettings& settings;
    GlobalMemory& memory;
};

// Serves one message (MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_SET or
// MSG_RESET) for one capability; answers a TWCC_ code, TWCC_SUCCESS when the
// message was served.
using CapabilityHandler = TW_UINT16 (*)(CapabilityContext& context, TW_CAPABILITY& capability,
                                        TW_UINT16 msg, TW_UINT16 capabilityId);

struct CapabilityRow {
    TW_UINT16 capability;
    CapabilityHandler handler;
    TW_INT32 support;  // TWQC_ bits answered by MSG_QUERYSUPPORT
};

inline constexpr std::size_t kCapabilityCount = 32;

// The row of a capability id; null when the source does not support it.
const CapabilityRow* FindCapability(TW_UINT16 capabilityId);

// The supported ids in table order: the CAP_SUPPORTEDCAPS answer.
const std::array<TW_UINT16, kCapabilityCount>& SupportedCapabilityIds();

// DG_CONTROL/DAT_CAPABILITY in any state: applies the message rules, finds
// the row and calls its handler. Answers the condition code, TWCC_SUCCESS on
// success; the request's ConType and hContainer carry the answer.
TW_UINT16 AnswerCapability(CapabilityContext& context, TW_UINT16 msg, TW_CAPABILITY& capability);

}  // namespace z8
