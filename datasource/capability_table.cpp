#include "datasource/capability_table.h"

#include <type_traits>

#include "datasource/capability_containers.h"
#include "datasource/capability_handlers.h"
#include "twain/fix32.h"

namespace z8 {
namespace {

constexpr TW_INT32 kGets = TWQC_GET | TWQC_GETDEFAULT | TWQC_GETCURRENT;  // 13
constexpr TW_INT32 kAll = kGets | TWQC_SET | TWQC_RESET;                  // 31
constexpr TW_INT32 kSetOnly = TWQC_SET;                                   // 2
constexpr TW_INT32 kCurrentOnly = TWQC_GETCURRENT;                        // 8
constexpr TW_INT32 kGetAndCurrent = TWQC_GET | TWQC_GETCURRENT;           // 9
static_assert(kGets == 13 && kAll == 31 && kGetAndCurrent == 9);

constexpr TW_UINT16 kXferCountAll = 65535;  // -1 as the unsigned item it is reported in
constexpr TW_FIX32 kGammaStep{0, 6554};

// Values as the container items they travel in.
constexpr TW_UINT32 ItemOf(bool value) {
    return value ? 1 : 0;
}
constexpr TW_UINT32 ItemOf(TW_UINT16 value) {
    return value;
}
constexpr TW_UINT32 ItemOf(TW_INT16 value) {
    return static_cast<TW_UINT16>(value);
}
constexpr TW_UINT32 ItemOf(TW_FIX32 value) {
    return Fix32Bits(value);
}

template <typename Value>
Value ValueOf(TW_UINT32 item) {
    if constexpr (std::is_same_v<Value, TW_FIX32>)
        return Fix32FromBits(item);
    else
        return static_cast<Value>(item);
}

template <TW_UINT32 kItem>
TW_UINT32 Constant(const CScanSettings&) {
    return kItem;
}

template <auto kGetter>
TW_UINT32 Read(const CScanSettings& settings) {
    return ItemOf((settings.*kGetter)());
}

template <typename Value>
void Give(CScanSettings& settings, void (CScanSettings::*setter)(Value), TW_UINT32 item) {
    (settings.*setter)(ValueOf<Value>(item));
}

// For the setters that take any value (keeping it within their own bounds).
template <auto kSetter>
bool Store(CScanSettings& settings, TW_UINT32 item) {
    Give(settings, kSetter, item);
    return true;
}

template <auto kReset>
void Reset(CScanSettings& settings) {
    (settings.*kReset)();
}

void Nothing(CScanSettings&) {}

TW_UINT32 DeviceOnline(const CScanSettings& settings) {
    return ItemOf(settings.DocumentSource() != kSourceNone);
}

TW_UINT32 OnFeeder(const CScanSettings& settings) {
    return ItemOf(settings.DocumentSource() == kSourceFeeder);
}

void BackToFlatbed(CScanSettings& settings) {
    if (settings.FlatbedAvailable()) settings.SetDocumentSource(kSourceFlatbed);
}

// Difference of two edges computed in single precision, as the physical
// size is reported.
TW_UINT32 Extent(TW_FIX32 from, TW_FIX32 to) {
    return ItemOf(FloatToFix32(Fix32ToFloat(to) - Fix32ToFloat(from)));
}

TW_UINT32 PhysicalHeight(const CScanSettings& settings) {
    const TW_FRAME frame = settings.GetPhysicalLayout().Frame;
    return Extent(frame.Top, frame.Bottom);
}

TW_UINT32 PhysicalWidth(const CScanSettings& settings) {
    const TW_FRAME frame = settings.GetPhysicalLayout().Frame;
    return Extent(frame.Left, frame.Right);
}

// The three gets report the same value; no set, no reset.
constexpr CapabilityRow ReadOnly(TW_UINT16 id, TW_UINT16 itemType, CapabilityReader value) {
    return {.capability = id,
            .support = kGets,
            .itemType = itemType,
            .get = value,
            .current = value,
            .byDefault = value};
}

constexpr CapabilityRow OwnRules(TW_UINT16 id, TW_INT32 support, CapabilityHandler handler) {
    return {.capability = id, .support = support, .handler = handler};
}

// A TW_FIX32 range, taken as a TW_ONEVALUE of TWTY_FIX32.
constexpr CapabilityRow Range(TW_UINT16 id, FixedRange range, CapabilityReader current,
                              CapabilityStore store, CapabilityReset reset) {
    return {.capability = id,
            .support = kAll,
            .itemType = TWTY_FIX32,
            .shape = GetShape::Range,
            .current = current,
            .range = range,
            .set = SetRule::OneValue,
            .setType = TWTY_FIX32,
            .store = store,
            .reset = reset};
}

constexpr FixedRange WholeRange(TW_INT16 min, TW_INT16 max, TW_INT16 byDefault) {
    return {WholeFix32(min), WholeFix32(max), WholeFix32(1), WholeFix32(byDefault)};
}

using S = CScanSettings;
constexpr auto kOneValue = SetRule::OneValue;
constexpr auto kOneValueElseIgnored = SetRule::OneValueElseIgnored;

// In the order applications see in CAP_SUPPORTEDCAPS; the masks are what
// MSG_QUERYSUPPORT says, which the answers do not always follow
// (CAP_INDICATORS refuses MSG_RESET, ICAP_PIXELFLAVOR serves MSG_SET and
// MSG_RESET). Ends with a row of id 0.
// clang-format off
constexpr CapabilityRow kTable[kCapabilityCount + 1] = {
    ReadOnly(CAP_DEVICEONLINE, TWTY_BOOL, DeviceOnline),
    ReadOnly(CAP_ENABLEDSUIONLY, TWTY_BOOL, Constant<0>),
    {.capability = CAP_INDICATORS, .support = kAll, .itemType = TWTY_BOOL,
     .get = Constant<1>, .current = Read<&S::WantIndicators>, .byDefault = Constant<0>,
     .set = kOneValue, .setType = TWTY_BOOL, .store = Store<&S::SetIndicators>},
    OwnRules(CAP_SUPPORTEDCAPS, kGets, SupportedCapsHandler),
    OwnRules(CAP_EXTENDEDCAPS, kSetOnly, AcceptAnythingHandler),
    ReadOnly(CAP_UICONTROLLABLE, TWTY_BOOL, Constant<1>),
    {.capability = CAP_XFERCOUNT, .support = kAll, .get = Read<&S::XferCount>,
     .current = Read<&S::XferCount>, .byDefault = Constant<kXferCountAll>,
     .set = kOneValue, .setType = TWTY_INT16, .store = Store<&S::SetXferCount>,
     .reset = Reset<&S::ResetXferCount>},
    {.capability = CAP_AUTOFEED, .support = kAll, .itemType = TWTY_BOOL,
     .get = Constant<1>, .current = OnFeeder, .byDefault = Constant<0>,
     .set = kOneValue, .setType = TWTY_BOOL, .store = SelectSource, .reset = BackToFlatbed},
    ReadOnly(CAP_FEEDERALIGNMENT, TWTY_BOOL, Constant<1>),
    ReadOnly(CAP_DUPLEX, TWTY_UINT16, Constant<0>),
    {.capability = CAP_FEEDERENABLED, .support = kGets, .itemType = TWTY_BOOL,
     .get = Constant<0>, .current = OnFeeder, .byDefault = Constant<0>,
     .set = kOneValue, .setType = TWTY_BOOL, .store = SelectSource},
    {.capability = CAP_FEEDERLOADED, .support = kCurrentOnly, .itemType = TWTY_BOOL,
     .get = Read<&S::FeederLoaded>, .current = Read<&S::FeederLoaded>},
    ReadOnly(CAP_FEEDERORDER, TWTY_UINT16, Constant<1>),
    ReadOnly(CAP_PAPERDETECTABLE, TWTY_BOOL, Read<&S::FeederSelected>),
    {.capability = ICAP_BITDEPTH, .support = kAll,
     .get = Read<&S::BitDepth>, .current = Read<&S::BitDepth>, .byDefault = Read<&S::BitDepth>,
     .set = kOneValueElseIgnored, .store = Store<&S::SetBitDepth>,
     .reset = Reset<&S::ResetBitDepth>},
    ReadOnly(ICAP_BITORDER, TWTY_UINT16, Constant<1>),
    ReadOnly(ICAP_COMPRESSION, TWTY_UINT16, Constant<0>),
    {.capability = ICAP_PIXELFLAVOR, .support = kGets,
     .get = Read<&S::PixelFlavor>, .current = Read<&S::PixelFlavor>, .byDefault = Constant<0>,
     .set = kOneValue, .store = Store<&S::SetPixelFlavor>, .reset = Reset<&S::ResetPixelFlavor>},
    {.capability = ICAP_PIXELTYPE, .support = kAll, .shape = GetShape::EnumerationAtGet,
     .current = Read<&S::PixelType>, .byDefault = Constant<TWPT_GRAY>, .list = kPixelTypeList,
     .set = kOneValueElseIgnored, .store = Store<&S::SetPixelType>,
     .reset = Reset<&S::ResetPixelType>},
    ReadOnly(ICAP_PHYSICALHEIGHT, TWTY_FIX32, PhysicalHeight),
    ReadOnly(ICAP_PHYSICALWIDTH, TWTY_FIX32, PhysicalWidth),
    {.capability = ICAP_PLANARCHUNKY, .support = kGets, .get = Constant<TWPC_CHUNKY>,
     .current = Constant<TWPC_CHUNKY>, .byDefault = Constant<TWPC_CHUNKY>,
     .set = SetRule::Ignored, .reset = Nothing},
    {.capability = ICAP_UNITS, .support = kAll, .shape = GetShape::EnumerationAtGet,
     .current = Read<&S::Units>, .byDefault = Constant<TWUN_CENTIMETERS>, .list = kUnitList,
     .set = kOneValueElseIgnored, .store = Store<&S::ConvertUnits>,
     .reset = Reset<&S::RestoreDefaultUnits>},
    {.capability = ICAP_XFERMECH, .support = kAll, .shape = GetShape::EnumerationAtGet,
     .current = Read<&S::XferMech>, .byDefault = Constant<TWSX_NATIVE>, .list = kXferMechList,
     .set = kOneValue, .store = Store<&S::SetXferMech>, .reset = Reset<&S::ResetXferMech>},
    OwnRules(ICAP_XRESOLUTION, kAll, ResolutionHandler),
    OwnRules(ICAP_YRESOLUTION, kAll, ResolutionHandler),
    Range(ICAP_BRIGHTNESS, WholeRange(kBrightnessMin, kBrightnessMax, kBrightnessDefault),
          Read<&S::Brightness>, Store<&S::SetBrightness>, Reset<&S::ResetBrightness>),
    Range(ICAP_CONTRAST, WholeRange(kContrastMin, kContrastMax, kContrastDefault),
          Read<&S::Contrast>, Store<&S::SetContrast>, Reset<&S::ResetContrast>),
    Range(ICAP_GAMMA, {kGammaMin, kGammaMax, kGammaStep, kGammaDefault},
          Read<&S::Gamma>, Store<&S::SetGamma>, Reset<&S::ResetGamma>),
    OwnRules(ICAP_LAMPSTATE, kGetAndCurrent, AcceptAnythingHandler),
    // PICT and XBM, which a file transfer set-up accepts, are not in the
    // list: they report the default's position.
    {.capability = ICAP_IMAGEFILEFORMAT, .support = kGets, .shape = GetShape::Enumeration,
     .current = Read<&S::ImageFileFormat>, .byDefault = Constant<TWFF_BMP>,
     .list = kFileFormatList, .set = SetRule::Ignored, .reset = Nothing},
    ReadOnly(ICAP_TILES, TWTY_BOOL, Constant<0>),
    {.capability = 0, .support = 0},
};
// clang-format on

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
    if (row->handler != nullptr) return row->handler(context, capability, msg, id);
    return AnswerFromRow(*row, context, capability, msg);
}

}  // namespace z8
