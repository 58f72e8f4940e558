#include "datasource/capability_table.h"

#include "datasource/capability_containers.h"
#include "datasource/capability_handlers.h"

namespace z8 {
namespace {

constexpr TW_INT32 kGets = TWQC_GET | TWQC_GETDEFAULT | TWQC_GETCURRENT;  // 13
constexpr TW_INT32 kAll = kGets | TWQC_SET | TWQC_RESET;                  // 31
constexpr TW_INT32 kSetOnly = TWQC_SET;                                   // 2
constexpr TW_INT32 kCurrentOnly = TWQC_GETCURRENT;                        // 8
constexpr TW_INT32 kGetAndCurrent = TWQC_GET | TWQC_GETCURRENT;           // 9
static_assert(kGets == 13 && kAll == 31 && kGetAndCurrent == 9);

// In the order applications see in CAP_SUPPORTEDCAPS; the masks are what
// MSG_QUERYSUPPORT says, which the handlers do not always follow
// (CAP_INDICATORS refuses MSG_RESET, ICAP_PIXELFLAVOR serves MSG_SET and
// MSG_RESET). Ends with a row of id 0.
constexpr CapabilityRow kTable[kCapabilityCount + 1] = {
    {CAP_DEVICEONLINE, DeviceOnlineHandler, kGets},
    {CAP_ENABLEDSUIONLY, ConstantFalseHandler, kGets},
    {CAP_INDICATORS, IndicatorsHandler, kAll},
    {CAP_SUPPORTEDCAPS, SupportedCapsHandler, kGets},
    {CAP_EXTENDEDCAPS, AcceptAnythingHandler, kSetOnly},
    {CAP_UICONTROLLABLE, ConstantTrueHandler, kGets},
    {CAP_XFERCOUNT, XferCountHandler, kAll},
    {CAP_AUTOFEED, AutoFeedHandler, kAll},
    {CAP_FEEDERALIGNMENT, ConstantTrueHandler, kGets},
    {CAP_DUPLEX, ConstantZeroHandler, kGets},
    {CAP_FEEDERENABLED, FeederEnabledHandler, kGets},
    {CAP_FEEDERLOADED, FeederLoadedHandler, kCurrentOnly},
    {CAP_FEEDERORDER, ConstantOneHandler, kGets},
    {CAP_PAPERDETECTABLE, PaperDetectableHandler, kGets},
    {ICAP_BITDEPTH, BitDepthHandler, kAll},
    {ICAP_BITORDER, ConstantOneHandler, kGets},
    {ICAP_COMPRESSION, ConstantZeroHandler, kGets},
    {ICAP_PIXELFLAVOR, PixelFlavorHandler, kGets},
    {ICAP_PIXELTYPE, PixelTypeHandler, kAll},
    {ICAP_PHYSICALHEIGHT, PhysicalHeightHandler, kGets},
    {ICAP_PHYSICALWIDTH, PhysicalWidthHandler, kGets},
    {ICAP_PLANARCHUNKY, PlanarChunkyHandler, kGets},
    {ICAP_UNITS, UnitsHandler, kAll},
    {ICAP_XFERMECH, XferMechHandler, kAll},
    {ICAP_XRESOLUTION, XResolutionHandler, kAll},
    {ICAP_YRESOLUTION, YResolutionHandler, kAll},
    {ICAP_BRIGHTNESS, BrightnessHandler, kAll},
    {ICAP_CONTRAST, ContrastHandler, kAll},
    {ICAP_GAMMA, GammaHandler, kAll},
    {ICAP_LAMPSTATE, AcceptAnythingHandler, kGetAndCurrent},
    {ICAP_IMAGEFILEFORMAT, ImageFileFormatHandler, kGets},
    {ICAP_TILES, ConstantFalseHandler, kGets},
    {0, nullptr, 0},
};

constexpr std::array<TW_UINT16, kCapabilityCount> MakeIds() {
    std::array<TW_UINT16, kCapabilityCount> ids{};
    for (std::size_t i = 0; i < kCapabilityCount; ++i)
        ids[i] = kTable[i].capability;
    return ids;
}

constexpr std::array<TW_UINT16, kCapabilityCount> kIds = MakeIds();

bool IsContainerType(TW_UINT16 conType) {
    return conType >= TWON_ARRAY && conType <= TWON_RANGE;
}

}  // namespace

const CapabilityRow* FindCapability(TW_UINT16 capabilityId) {
    for (const CapabilityRow* row = kTable; row->capability != 0; ++row) {
        if (row->capability == capabilityId) return row;
    }
    return nullptr;
}

const std::array<TW_UINT16, kCapabilityCount>& SupportedCapabilityIds() {
    return kIds;
}

TW_UINT16 AnswerCapability(CapabilityContext& context, TW_UINT16 msg, TW_CAPABILITY& capability) {
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
        case MSG_RESET:
        case MSG_QUERYSUPPORT:
            break;
        case MSG_SET:
            // Checked before the capability is even looked up.
            if (!IsContainerType(capability.ConType)) return TWCC_BADVALUE;
            break;
        default:
            return TWCC_CAPBADOPERATION;
    }
    const TW_UINT16 id = capability.Cap;
    const CapabilityRow* row = FindCapability(id);
    if (row == nullptr) return TWCC_CAPUNSUPPORTED;
    if (msg == MSG_QUERYSUPPORT) {
        return BuildOneValue(context.memory, capability, TWTY_INT32,
                             static_cast<TW_UINT32>(row->support));
    }
    return row->handler(context, capability, msg, id);
}

}  // namespace z8
