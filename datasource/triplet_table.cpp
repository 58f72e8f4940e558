#include "datasource/triplet_table.h"

#include <cstdint>

namespace z8 {
namespace {

constexpr uint8_t S(int state) {
    return static_cast<uint8_t>(1u << state);
}
constexpr uint8_t kAnyState = S(3) | S(4) | S(5) | S(6) | S(7);
constexpr TW_UINT16 kAnyMessage = 0xFFFF;

struct Row {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
    uint8_t states;
};

// clang-format off
constexpr Row kRows[] = {
    {DG_CONTROL, DAT_CAPABILITY,     kAnyMessage,      kAnyState},
    {DG_CONTROL, DAT_IDENTITY,       MSG_GET,          kAnyState},
    {DG_CONTROL, DAT_IDENTITY,       MSG_OPENDS,       S(3)},
    {DG_CONTROL, DAT_IDENTITY,       MSG_CLOSEDS,      S(4)},
    {DG_CONTROL, DAT_PENDINGXFERS,   MSG_GET,          S(4) | S(5) | S(6) | S(7)},
    {DG_CONTROL, DAT_PENDINGXFERS,   MSG_ENDXFER,      S(6) | S(7)},
    {DG_CONTROL, DAT_PENDINGXFERS,   MSG_RESET,        S(5) | S(6) | S(7)},
    {DG_CONTROL, DAT_SETUPMEMXFER,   MSG_GET,          S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_SETUPFILEXFER,  MSG_GET,          S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_SETUPFILEXFER,  MSG_GETCURRENT,   S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_SETUPFILEXFER,  MSG_GETDEFAULT,   S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_SETUPFILEXFER,  MSG_SET,          S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_SETUPFILEXFER,  MSG_RESET,        S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_STATUS,         MSG_GET,          kAnyState},
    {DG_CONTROL, DAT_USERINTERFACE,  MSG_ENABLEDS,     S(4)},
    {DG_CONTROL, DAT_USERINTERFACE,  MSG_DISABLEDS,    S(5) | S(6) | S(7)},
    {DG_CONTROL, DAT_XFERGROUP,      MSG_GET,          S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_XFERGROUP,      MSG_GETCURRENT,   S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_XFERGROUP,      MSG_GETDEFAULT,   S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_XFERGROUP,      MSG_SET,          S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_XFERGROUP,      MSG_RESET,        S(4) | S(5) | S(6)},
    {DG_CONTROL, DAT_CUSTOMDSDATA,   kAnyMessage,      kAnyState},
    // Also in state 7: applications read it after the transfer, and it
    // answers there as in 6.
    {DG_IMAGE,   DAT_IMAGEINFO,      MSG_GET,          S(6) | S(7)},
    {DG_IMAGE,   DAT_IMAGELAYOUT,    MSG_GET,          kAnyState},
    {DG_IMAGE,   DAT_IMAGELAYOUT,    MSG_GETCURRENT,   kAnyState},
    {DG_IMAGE,   DAT_IMAGELAYOUT,    MSG_GETDEFAULT,   kAnyState},
    {DG_IMAGE,   DAT_IMAGELAYOUT,    MSG_SET,          S(3) | S(4)},
    {DG_IMAGE,   DAT_IMAGELAYOUT,    MSG_RESET,        S(3) | S(4)},
    // Whether an image exists is the transfer's own test.
    {DG_IMAGE,   DAT_IMAGEMEMXFER,   MSG_GET,          kAnyState},
    {DG_IMAGE,   DAT_IMAGENATIVEXFER, MSG_GET,         S(6)},
    {DG_IMAGE,   DAT_IMAGEFILEXFER,  MSG_GET,          S(6)},
    {DG_IMAGE,   DAT_GRAYRESPONSE,   kAnyMessage,      kAnyState},
    {DG_IMAGE,   DAT_RGBRESPONSE,    kAnyMessage,      kAnyState},
    {DG_IMAGE,   DAT_PALETTE8,       MSG_GET,          S(4) | S(5) | S(6)},
    {DG_IMAGE,   DAT_PALETTE8,       MSG_GETDEFAULT,   S(4) | S(5) | S(6)},
    {DG_IMAGE,   DAT_PALETTE8,       MSG_SET,          S(4) | S(5) | S(6)},
    {DG_IMAGE,   DAT_PALETTE8,       MSG_RESET,        S(4) | S(5) | S(6)},
};
// clang-format on

}  // namespace

TripletCheck CheckTriplet(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, int state) {
    for (const Row& row : kRows) {
        if (row.dg != dg || row.dat != dat || (row.msg != msg && row.msg != kAnyMessage)) continue;
        const bool inState = state >= 3 && state <= 7 && (row.states & S(state)) != 0;
        return inState ? TripletCheck::Accepted : TripletCheck::SeqError;
    }
    return TripletCheck::BadProtocol;
}

}  // namespace z8
