#include "datasource/capability_handlers.h"

#include <algorithm>

#include "datasource/capability_containers.h"

namespace z8 {
namespace {

// Position of a value in a list, `otherwise` when it is not there.
TW_UINT32 PositionIn(std::span<const TW_UINT16> list, TW_UINT32 value, TW_UINT32 otherwise) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? otherwise : static_cast<TW_UINT32>(it - list.begin());
}

TW_UINT16 AnswerGet(const CapabilityRow& row, CapabilityContext& context, TW_CAPABILITY& capability,
                    TW_UINT16 msg) {
    const CScanSettings& settings = context.settings;
    switch (row.shape) {
        case GetShape::Range:
            return BuildRange(
                context.memory, capability,
                {row.itemType, Fix32Bits(row.range.min), Fix32Bits(row.range.max),
                 Fix32Bits(row.range.step), Fix32Bits(row.range.byDefault), row.current(settings)});
        case GetShape::EnumerationAtGet:
            if (msg != MSG_GET) break;
            [[fallthrough]];
        case GetShape::Enumeration: {
            const TW_UINT32 defaultIndex = PositionIn(row.list, row.byDefault(settings), 0);
            return BuildEnumeration(context.memory, capability, UInt16Items(row.list),
                                    PositionIn(row.list, row.current(settings), defaultIndex),
                                    defaultIndex);
        }
        case GetShape::OneValue:
            break;
    }
    const CapabilityReader reader = msg == MSG_GET          ? row.get
                                    : msg == MSG_GETCURRENT ? row.current
                                                            : row.byDefault;
    if (reader == nullptr) return TWCC_CAPBADOPERATION;
    return BuildOneValue(context.memory, capability, row.itemType, reader(settings));
}

TW_UINT16 AnswerSet(const CapabilityRow& row, CapabilityContext& context,
                    const TW_CAPABILITY& capability) {
    switch (row.set) {
        case SetRule::Refused:
            return TWCC_CAPBADOPERATION;
        case SetRule::Ignored:
            return TWCC_SUCCESS;
        case SetRule::OneValueElseIgnored:
            if (capability.ConType != TWON_ONEVALUE) return TWCC_SUCCESS;
            break;
        case SetRule::OneValue:
            break;
    }
    TW_UINT32 item = 0;
    if (const TW_UINT16 code = ReadOneValue(context.memory, capability, row.setType, item))
        return code;
    return row.store(context.settings, item) ? TWCC_SUCCESS : TWCC_BADVALUE;
}

}  // namespace

TW_UINT16 AnswerFromRow(const CapabilityRow& row, CapabilityContext& context,
                        TW_CAPABILITY& capability, TW_UINT16 msg) {
    switch (msg) {
        case MSG_GET:
        case MSG_GETCURRENT:
        case MSG_GETDEFAULT:
            return AnswerGet(row, context, capability, msg);
        case MSG_SET:
            return AnswerSet(row, context, capability);
        case MSG_RESET:
            if (row.reset == nullptr) return TWCC_CAPBADOPERATION;
            row.reset(context.settings);
            return TWCC_SUCCESS;
        default:
            return TWCC_CAPBADOPERATION;
    }
}

TW_UINT16 ResolutionHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                            TW_UINT16 capabilityId) {
    CScanSettings& settings = context.settings;
    const bool horizontal = capabilityId == ICAP_XRESOLUTION;
    auto fix32 = [&](TW_FIX32 value) {
        return BuildOneValue(context.memory, capability, TWTY_FIX32, Fix32Bits(value));
    };
    switch (msg) {
        case MSG_GET:
            // The current resolution need not be an entry: position 0 for both.
            return BuildEnumeration(context.memory, capability,
                                    Fix32Items(settings.ResolutionList()), 0, 0);
        case MSG_GETCURRENT:
            return fix32(horizontal ? settings.GetXResolution() : settings.GetYResolution());
        case MSG_GETDEFAULT:
            return fix32(settings.ResolutionList().front());
        case MSG_SET: {
            TW_UINT32 item = 0;
            if (const TW_UINT16 code = ReadOneValue(context.memory, capability, TWTY_FIX32, item))
                return code;
            const TW_FIX32 value = Fix32FromBits(item);
            const bool taken =
                horizontal ? settings.SetXResolution(value) : settings.SetYResolution(value);
            return taken ? TWCC_SUCCESS : TWCC_BADVALUE;
        }
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

TW_UINT16 SupportedCapsHandler(CapabilityContext& context, TW_CAPABILITY& capability, TW_UINT16 msg,
                               TW_UINT16) {
    if (msg != MSG_GET && msg != MSG_GETCURRENT && msg != MSG_GETDEFAULT)
        return TWCC_CAPBADOPERATION;
    return BuildArray(context.memory, capability, UInt16Items(SupportedCapabilityIds()));
}

TW_UINT16 AcceptAnythingHandler(CapabilityContext&, TW_CAPABILITY&, TW_UINT16, TW_UINT16) {
    return TWCC_SUCCESS;
}

bool SelectSource(CScanSettings& settings, TW_UINT32 item) {
    if (item != 0) {
        if (!settings.FeederAvailable()) return false;
        settings.SetDocumentSource(kSourceFeeder);
    } else {
        if (!settings.FlatbedAvailable()) return false;
        settings.SetDocumentSource(kSourceFlatbed);
    }
    return true;
}

}  // namespace z8
