#include "datasource/data_source.h"

#include <cstring>

namespace z8 {
namespace {

TW_UINT16 Refuse(DataSourceState& state, TW_UINT16 code) {
    state.conditionCode = code;
    return TWRC_FAILURE;
}

TW_UINT16 HandleIdentity(DataSourceState& state, TW_UINT16 msg, TW_MEMREF data) {
    if (msg != MSG_GET)
        return Refuse(state, TWCC_BADPROTOCOL);
    if (data == nullptr)
        return Refuse(state, TWCC_BADVALUE);
    std::memcpy(data, &state.sourceIdentity, sizeof(TW_IDENTITY));
    return TWRC_SUCCESS;
}

TW_UINT16 HandleStatus(DataSourceState& state, TW_UINT16 msg, TW_MEMREF data) {
    if (msg != MSG_GET)
        return Refuse(state, TWCC_BADPROTOCOL);
    if (data == nullptr)
        return Refuse(state, TWCC_BADVALUE);
    TW_STATUS status{};
    status.ConditionCode = state.conditionCode;
    status.Reserved = 0;
    std::memcpy(data, &status, sizeof status);
    state.conditionCode = TWCC_SUCCESS;
    return TWRC_SUCCESS;
}

}  // namespace

TW_UINT16 HandleTriplet(DataSourceState& state, const TW_IDENTITY* origin, TW_UINT32 dg,
                        TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    (void)origin;
    if (dg != DG_CONTROL && dat != DAT_STATUS)
        state.conditionCode = TWCC_SUCCESS;
    if (dg == DG_CONTROL && dat == DAT_IDENTITY)
        return HandleIdentity(state, msg, data);
    if (dg == DG_CONTROL && dat == DAT_STATUS)
        return HandleStatus(state, msg, data);
    return Refuse(state, TWCC_BADPROTOCOL);
}

}  // namespace z8
