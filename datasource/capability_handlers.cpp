#include "datasource/capability_handlers.h"

#include <algorithm>
#include <type_traits>

#include "datasource/capability_containers.h"
#include "twain/fix32.h"

namespace z8 {
namespace {

constexpr TW_UINT16 kXferCountAll = 65535;  // -1 as the unsigned item it is reported in
constexpr TW_FIX32 kGammaStep{0, 6554};

bool IsGet(TW_UINT16 msg) {
    return msg == MSG_GET || msg == MSG_GETCURRENT || msg == MSG_GETDEFAULT;
}

TW_UINT16 Bool(CapabilityContext& context, TW_CAPABILITY& capability, bool value) {
    return BuildOneValue(context.memory, capability, TWTY_BOOL, value ? 1 : 0);
}

TW_UINT16 UInt16(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 value) {
    return BuildOneValue(context.memory, capability, TWTY_UINT16, value);
}

TW_UINT16 Fix32(CapabilityContext& context, TW_CAPABILITY& capability, TW_FIX32 value) {
    return BuildOneValue(context.memory, capability, TWTY_FIX32, Fix32Bits(value));
}

// A value that every get message reports alike and nothing changes.
TW_UINT16 ReadOnly(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                   TW_UINT16 itemType, TW_UINT32 item) {
    if (!IsGet(msg)) return TWCC_CAPBADOPERATION;
    return BuildOneValue(context.memory, capability, itemType, item);
}

// Position of a value in a list, `otherwise` when it is not there.
template <std::size_t N>
TW_UINT32 PositionIn(const std::array<TW_UINT16, N>& list, TW_UINT16 value, TW_UINT32 otherwise) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? otherwise : static_cast<TW_UINT32>(it - list.begin());
}

template <std::size_t N>
TW_UINT16 Enumeration(CapabilityContext& context, TW_CAPABILITY& capability,
                      const std::array<TW_UINT16, N>& list, TW_UINT16 current,
                      TW_UINT16 defaultValue) {
    const TW_UINT32 defaultIndex = PositionIn(list, defaultValue, 0);
    return BuildEnumeration(context.memory, capability, UInt16Items(list),
                            PositionIn(list, current, defaultIndex), defaultIndex);
}

TW_UINT16 FixedRange(CapabilityContext& context, TW_CAPABILITY& capability, TW_FIX32 min,
                     TW_FIX32 max, TW_FIX32 step, TW_FIX32 defaultValue, TW_FIX32 current) {
    RangeValues range;
    range.itemType = TWTY_FIX32;
    range.minValue = Fix32Bits(min);
    range.maxValue = Fix32Bits(max);
    range.stepSize = Fix32Bits(step);
    range.defaultValue = Fix32Bits(defaultValue);
    range.currentValue = Fix32Bits(current);
    return BuildRange(context.memory, capability, range);
}

// MSG_SET: reads the TW_ONEVALUE of the expected item type and hands its
// item to store; a refused container stores nothing. A store that answers
// false refuses the value with TWCC_BADVALUE.
template <typename Store>
TW_UINT16 SetItem(CapabilityContext& context, const TW_CAPABILITY& capability, TW_UINT16 itemType,
                  Store store) {
    TW_UINT32 item = 0;
    if (const TW_UINT16 code = ReadOneValue(context.memory, capability, itemType, item))
        return code;
    if constexpr (std::is_same_v<decltype(store(item)), bool>) {
        return store(item) ? TWCC_SUCCESS : TWCC_BADVALUE;
    } else {
        store(item);
        return TWCC_SUCCESS;
    }
}

// MSG_SET of the capabilities that take a TW_ONEVALUE of TWTY_UINT16 and let
// any other container pass as served without reading it.
template <typename Store>
TW_UINT16 SetUInt16Leniently(CapabilityContext& context, const TW_CAPABILITY& capability,
                             Store store) {
    if (capability.ConType != TWON_ONEVALUE) return TWCC_SUCCESS;
    return SetItem(context, capability, TWTY_UINT16,
                   [&](TW_UINT32 item) { store(static_cast<TW_UINT16>(item)); });
}

template <typename Store>
TW_UINT16 SetFix32(CapabilityContext& context, const TW_CAPABILITY& capability, Store store) {
    return SetItem(context, capability, TWTY_FIX32,
                   [&](TW_UINT32 item) { return store(Fix32FromBits(item)); });
}

// MSG_SET of CAP_FEEDERENABLED and CAP_AUTOFEED: TRUE selects the sheet
// feeder, FALSE the flatbed, each only when the device has it.
TW_UINT16 SelectSource(CapabilityContext& context, const TW_CAPABILITY& capability) {
    TW_UINT32 item = 0;
    if (const TW_UINT16 code = ReadOneValue(context.memory, capability, TWTY_BOOL, item))
        return code;
    CScanSettings& settings = context.settings;
    if (item != 0) {
        if (!settings.FeederAvailable()) return TWCC_BADVALUE;
        settings.SetDocumentSource(kSourceFeeder);
    } else {
        if (!settings.FlatbedAvailable()) return TWCC_BADVALUE;
        settings.SetDocumentSource(kSourceFlatbed);
    }
    return TWCC_SUCCESS;
}

// Difference of two edges computed in single precision, as the physical
// size has always been reported.
TW_FIX32 Extent(TW_FIX32 from, TW_FIX32 to) {
    return FloatToFix32(Fix32ToFloat(to) - Fix32ToFloat(from));
}

TW_UINT16 Resolution(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                     bool horizontal) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            // The current resolution need not be an entry: position 0 for both.
            return BuildEnumeration(context.memory, capability,
                                    Fix32Items(settings.ResolutionList()), 0, 0);
        case MSG_GETCURRENT:
            return Fix32(context, capability,
                         horizontal ? settings.GetXResolution() : settings.GetYResolution());
        case MSG_GETDEFAULT:
            return Fix32(context, capability, settings.ResolutionList().front());
        case MSG_SET:
            return SetFix32(context, capability, [&](TW_FIX32 value) {
                return horizontal ? settings.SetXResolution(value) : settings.SetYResolution(value);
            });
        case MSG_RESET:
            if (horizontal)
                settings.ResetXResolution();
            else
                settings.ResetYResolution();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

}  // namespace

TW_UINT16 DeviceOnlineHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                              TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_BOOL,
                    context.settings.DocumentSource() != kSourceNone ? 1 : 0);
}

TW_UINT16 ConstantFalseHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                               TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_BOOL, 0);
}

TW_UINT16 ConstantTrueHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                              TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_BOOL, 1);
}

TW_UINT16 ConstantZeroHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                              TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_UINT16, 0);
}

TW_UINT16 ConstantOneHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                             TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_UINT16, 1);
}

TW_UINT16 AcceptAnythingHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16, TW_UINT16) {
    return TWCC_SUCCESS;
}

TW_UINT16 IndicatorsHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                            TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            return Bool(context, capability, true);
        case MSG_GETCURRENT:
            return Bool(context, capability, settings.WantIndicators());
        case MSG_GETDEFAULT:
            return Bool(context, capability, false);
        case MSG_SET:
            return SetItem(context, capability, TWTY_BOOL, [&](TW_UINT32 item) {
                settings.SetIndicators(static_cast<TW_UINT16>(item));
            });
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 SupportedCapsHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                               TW_UINT16) {
    if (!IsGet(msg)) return TWCC_CAPBADOPERATION;
    return BuildArray(context.memory, capability, UInt16Items(SupportedCapabilityIds()));
}

TW_UINT16 XferCountHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                           TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
            return UInt16(context, capability, static_cast<TW_UINT16>(settings.XferCount()));
        case MSG_GETDEFAULT:
            return UInt16(context, capability, kXferCountAll);
        case MSG_SET:
            return SetItem(context, capability, TWTY_INT16, [&](TW_UINT32 item) {
                settings.SetXferCount(static_cast<TW_INT16>(item & 0xFFFF));
            });
        case MSG_RESET:
            settings.ResetXferCount();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 AutoFeedHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                          TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            return Bool(context, capability, true);
        case MSG_GETCURRENT:
            return Bool(context, capability, settings.DocumentSource() == kSourceFeeder);
        case MSG_GETDEFAULT:
            return Bool(context, capability, false);
        case MSG_SET:
            return SelectSource(context, capability);
        case MSG_RESET:
            if (settings.FlatbedAvailable()) settings.SetDocumentSource(kSourceFlatbed);
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 FeederEnabledHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                               TW_UINT16) {
    switch (msg) {
        case MSG_GET:
        case MSG_GETDEFAULT:
            return Bool(context, capability, false);
        case MSG_GETCURRENT:
            return Bool(context, capability, context.settings.DocumentSource() == kSourceFeeder);
        case MSG_SET:
            return SelectSource(context, capability);
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 FeederLoadedHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                              TW_UINT16) {
    if (msg != MSG_GET && msg != MSG_GETCURRENT) return TWCC_CAPBADOPERATION;
    return Bool(context, capability, context.settings.FeederLoaded());
}

TW_UINT16 PaperDetectableHandler(CapabilityContext& context, TW_CAPABILITY& capability,
                                 TW_UINT16 msg, TW_UINT16) {
    return ReadOnly(context, capability, msg, TWTY_BOOL, context.settings.FeederSelected());
}

TW_UINT16 BitDepthHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                          TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            return UInt16(context, capability, settings.BitDepth());
        case MSG_SET:
            return SetUInt16Leniently(context, capability,
                                      [&](TW_UINT16 value) { settings.SetBitDepth(value); });
        case MSG_RESET:
            settings.ResetBitDepth();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 PixelFlavorHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                             TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
            return UInt16(context, capability, settings.PixelFlavor());
        case MSG_GETDEFAULT:
            return UInt16(context, capability, 0);
        case MSG_SET:
            return SetItem(context, capability, TWTY_UINT16, [&](TW_UINT32 item) {
                settings.SetPixelFlavor(static_cast<TW_UINT16>(item));
            });
        case MSG_RESET:
            settings.ResetPixelFlavor();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 PixelTypeHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                           TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            return Enumeration(context, capability, kPixelTypeList, settings.PixelType(),
                               TWPT_GRAY);
        case MSG_GETCURRENT:
            return UInt16(context, capability, settings.PixelType());
        case MSG_GETDEFAULT:
            return UInt16(context, capability, TWPT_GRAY);
        case MSG_SET:
            return SetUInt16Leniently(context, capability,
                                      [&](TW_UINT16 value) { settings.SetPixelType(value); });
        case MSG_RESET:
            settings.ResetPixelType();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 PhysicalHeightHandler(CapabilityContext& context, TW_CAPABILITY& capability,
                                TW_UINT16 msg, TW_UINT16) {
    const TW_FRAME frame = context.settings.GetPhysicalLayout().Frame;
    return ReadOnly(context, capability, msg, TWTY_FIX32,
                    Fix32Bits(Extent(frame.Top, frame.Bottom)));
}

TW_UINT16 PhysicalWidthHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                               TW_UINT16) {
    const TW_FRAME frame = context.settings.GetPhysicalLayout().Frame;
    return ReadOnly(context, capability, msg, TWTY_FIX32,
                    Fix32Bits(Extent(frame.Left, frame.Right)));
}

TW_UINT16 PlanarChunkyHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                              TW_UINT16) {
    if (msg == MSG_SET || msg == MSG_RESET) return TWCC_SUCCESS;
    return ReadOnly(context, capability, msg, TWTY_UINT16, TWPC_CHUNKY);
}

TW_UINT16 UnitsHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                       TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            return Enumeration(context, capability, kUnitList, settings.Units(), TWUN_CENTIMETERS);
        case MSG_GETCURRENT:
            return UInt16(context, capability, settings.Units());
        case MSG_GETDEFAULT:
            return UInt16(context, capability, TWUN_CENTIMETERS);
        case MSG_SET:
            return SetUInt16Leniently(context, capability,
                                      [&](TW_UINT16 value) { settings.ConvertUnits(value); });
        case MSG_RESET:
            settings.RestoreDefaultUnits();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 XferMechHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                          TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
            return Enumeration(context, capability, kXferMechList, settings.XferMech(),
                               TWSX_NATIVE);
        case MSG_GETCURRENT:
            return UInt16(context, capability, settings.XferMech());
        case MSG_GETDEFAULT:
            return UInt16(context, capability, TWSX_NATIVE);
        case MSG_SET:
            return SetItem(context, capability, TWTY_UINT16, [&](TW_UINT32 item) {
                settings.SetXferMech(static_cast<TW_UINT16>(item));
            });
        case MSG_RESET:
            settings.ResetXferMech();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 XResolutionHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                             TW_UINT16) {
    return Resolution(context, capability, msg, true);
}

TW_UINT16 YResolutionHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                             TW_UINT16) {
    return Resolution(context, capability, msg, false);
}

TW_UINT16 BrightnessHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                            TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            return FixedRange(context, capability, WholeFix32(kBrightnessMin),
                              WholeFix32(kBrightnessMax), WholeFix32(1),
                              WholeFix32(kBrightnessDefault), settings.Brightness());
        case MSG_SET:
            return SetFix32(context, capability,
                            [&](TW_FIX32 value) { settings.SetBrightness(value); });
        case MSG_RESET:
            settings.ResetBrightness();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 ContrastHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                          TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            return FixedRange(context, capability, WholeFix32(kContrastMin),
                              WholeFix32(kContrastMax), WholeFix32(1), WholeFix32(kContrastDefault),
                              settings.Contrast());
        case MSG_SET:
            return SetFix32(context, capability,
                            [&](TW_FIX32 value) { settings.SetContrast(value); });
        case MSG_RESET:
            settings.ResetContrast();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 GammaHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                       TW_UINT16) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            return FixedRange(context, capability, kGammaMin, kGammaMax, kGammaStep, kGammaDefault,
                              settings.Gamma());
        case MSG_SET:
            return SetFix32(context, capability, [&](TW_FIX32 value) { settings.SetGamma(value); });
        case MSG_RESET:
            settings.ResetGamma();
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 ImageFileFormatHandler(CapabilityContext& context, TW_CAPABILITY& capability,
                                 TW_UINT16 msg, TW_UINT16) {
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            // PICT and XBM, which a file transfer set-up accepts, are not in the
            // list: they report the default's position.
            return Enumeration(context, capability, kFileFormatList,
                               context.settings.ImageFileFormat(), TWFF_BMP);
        case MSG_SET:
        case MSG_RESET:
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

}  // namespace z8
