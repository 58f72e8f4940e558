#pragma once

#include "datasource/capability_table.h"

namespace z8 {

// One handler per row of the capability table; the shared ones answer their
// capabilities alike. Each serves MSG_GET, MSG_GETCURRENT, MSG_GETDEFAULT,
// MSG_SET and MSG_RESET as its capability allows and answers
// TWCC_CAPBADOPERATION for the others.
TW_UINT16 DeviceOnlineHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ConstantFalseHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ConstantTrueHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ConstantZeroHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ConstantOneHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
// Serves every message without touching the container.
TW_UINT16 AcceptAnythingHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 IndicatorsHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 SupportedCapsHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 XferCountHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 AutoFeedHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 FeederEnabledHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 FeederLoadedHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PaperDetectableHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 BitDepthHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PixelFlavorHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PixelTypeHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PhysicalHeightHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PhysicalWidthHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 PlanarChunkyHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 UnitsHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 XferMechHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 XResolutionHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 YResolutionHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 BrightnessHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ContrastHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 GammaHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);
TW_UINT16 ImageFileFormatHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16 msg, TW_UINT16 cap);

}  // namespace z8
