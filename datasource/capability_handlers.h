#pragma once

#include "datasource/capability_table.h"

namespace z8 {

// Serves MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT, MSG_SET and MSG_RESET as
// the row describes them; TWCC_CAPBADOPERATION for any other message.
TW_UINT16 AnswerFromRow(const CapabilityRow& row, CapabilityContext& context,
                        TW_CAPABILITY& capability, TW_UINT16 msg);

// The capabilities with rules of their own.
// ICAP_XRESOLUTION and ICAP_YRESOLUTION: MSG_GET lists the resolutions of the
// current unit, which the current one need not be among.
TW_UINT16 ResolutionHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 SupportedCapsHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
// Serves every message without touching the container.
TW_UINT16 AcceptAnythingHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
// The MSG_SET of CAP_FEEDERENABLED and CAP_AUTOFEED: TRUE selects the sheet
// feeder, FALSE the flatbed, each only when the device has it.
bool SelectSource(CScanSettings& settings, TW_UINT32 item);

}  // namespace z8
