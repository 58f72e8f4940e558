#include "fuzz/datasource/twain_state_model.h"

namespace z8::fuzz {
namespace {

constexpr StateSet kOpen = InState(4) | InState(5) | InState(6) | InState(7);
constexpr StateSet kAny = InState(3) | kOpen;
constexpr StateSet kEnabled = InState(5) | InState(6) | InState(7);
constexpr StateSet kBeforeTransfer = InState(4) | InState(5) | InState(6);
constexpr StateSet kTransferring = InState(6) | InState(7);
constexpr TW_UINT16 kAnyMessage = 0xFFFF;

// A triplet that may succeed in `in`, and where its success leads from
// `from` (0: nowhere, the state stays).
struct Move {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
    StateSet in;
    StateSet from;
    StateSet to;
};

// clang-format off
constexpr Move kMoves[] = {
    {DG_CONTROL, DAT_IDENTITY,        MSG_GET,        kAny,            0,             0},
    {DG_CONTROL, DAT_IDENTITY,        MSG_OPENDS,     InState(3),      InState(3),    InState(4)},
    {DG_CONTROL, DAT_IDENTITY,        MSG_CLOSEDS,    InState(4),      InState(4),    InState(3)},
    {DG_CONTROL, DAT_USERINTERFACE,   MSG_ENABLEDS,   InState(4),      InState(4),    InState(5) | InState(6)},
    {DG_CONTROL, DAT_USERINTERFACE,   MSG_DISABLEDS,  kEnabled,        kEnabled,      InState(4)},
    {DG_CONTROL, DAT_STATUS,          MSG_GET,        kAny,            0,             0},
    {DG_CONTROL, DAT_CAPABILITY,      kAnyMessage,    kAny,            0,             0},
    {DG_CONTROL, DAT_CUSTOMDSDATA,    kAnyMessage,    kAny,            0,             0},
    {DG_CONTROL, DAT_PENDINGXFERS,    MSG_GET,        kOpen,           0,             0},
    {DG_CONTROL, DAT_PENDINGXFERS,    MSG_ENDXFER,    kTransferring,   kTransferring, InState(5) | InState(6)},
    {DG_CONTROL, DAT_PENDINGXFERS,    MSG_RESET,      kEnabled,        kEnabled,      InState(5)},
    {DG_CONTROL, DAT_SETUPMEMXFER,    MSG_GET,        kBeforeTransfer, 0,             0},
    {DG_CONTROL, DAT_SETUPFILEXFER,   kAnyMessage,    kBeforeTransfer, 0,             0},
    {DG_CONTROL, DAT_XFERGROUP,       kAnyMessage,    kBeforeTransfer, 0,             0},
    {DG_IMAGE,   DAT_PALETTE8,        kAnyMessage,    kBeforeTransfer, 0,             0},
    {DG_IMAGE,   DAT_GRAYRESPONSE,    kAnyMessage,    kAny,            0,             0},
    {DG_IMAGE,   DAT_RGBRESPONSE,     kAnyMessage,    kAny,            0,             0},
    // Also read once the transfer has begun.
    {DG_IMAGE,   DAT_IMAGEINFO,       MSG_GET,        kTransferring,   0,             0},
    {DG_IMAGE,   DAT_IMAGELAYOUT,     MSG_GET,        kAny,            0,             0},
    {DG_IMAGE,   DAT_IMAGELAYOUT,     MSG_GETCURRENT, kAny,            0,             0},
    {DG_IMAGE,   DAT_IMAGELAYOUT,     MSG_GETDEFAULT, kAny,            0,             0},
    {DG_IMAGE,   DAT_IMAGELAYOUT,     MSG_SET,        InState(3) | InState(4), 0,     0},
    {DG_IMAGE,   DAT_IMAGELAYOUT,     MSG_RESET,      InState(3) | InState(4), 0,     0},
    {DG_IMAGE,   DAT_IMAGENATIVEXFER, MSG_GET,        InState(6),      InState(6),    InState(7)},
    {DG_IMAGE,   DAT_IMAGEFILEXFER,   MSG_GET,        InState(6),      InState(6),    InState(7)},
    // Strips are served while a page exists, whatever the state; the first
    // one in state 6 begins the transfer.
    {DG_IMAGE,   DAT_IMAGEMEMXFER,    MSG_GET,        kAny,            InState(6),    InState(7)},
};
// clang-format on

const Move* Find(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg) {
    for (const Move& move : kMoves) {
        if (move.dg == dg && move.dat == dat && (move.msg == msg || move.msg == kAnyMessage)) {
            return &move;
        }
    }
    return nullptr;
}

bool IsImageTransfer(TW_UINT32 dg, TW_UINT16 dat) {
    return dg == DG_IMAGE &&
           (dat == DAT_IMAGENATIVEXFER || dat == DAT_IMAGEMEMXFER || dat == DAT_IMAGEFILEXFER);
}

}  // namespace

StateSet StatesAfter(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, int before, TW_UINT16 rc) {
    const StateSet here = InState(before);
    if (msg == MSG_PROCESSEVENT) return here;
    // A transfer that fails or finds no page may already have begun.
    if ((rc == TWRC_FAILURE || rc == TWRC_CANCEL) && IsImageTransfer(dg, dat) && before == 6) {
        return here | InState(7);
    }
    if (rc == TWRC_FAILURE) return here;
    const Move* move = Find(dg, dat, msg);
    if (move == nullptr || (move->in & here) == 0) return 0;  // only a refusal is allowed
    return (move->from & here) != 0 ? move->to : here;
}

bool PlausibleReturn(TW_UINT16 msg, TW_UINT16 dat, TW_UINT16 rc) {
    if (msg == MSG_PROCESSEVENT) {
        return rc == TWRC_DSEVENT || rc == TWRC_NOTDSEVENT || rc == TWRC_FAILURE;
    }
    switch (rc) {
        case TWRC_SUCCESS:
        case TWRC_FAILURE:
            return true;
        case TWRC_CANCEL:
            return dat == DAT_IMAGEINFO || dat == DAT_IMAGENATIVEXFER || dat == DAT_IMAGEMEMXFER ||
                   dat == DAT_IMAGEFILEXFER;
        case TWRC_XFERDONE:
            return dat == DAT_IMAGENATIVEXFER || dat == DAT_IMAGEMEMXFER ||
                   dat == DAT_IMAGEFILEXFER;
        case TWRC_CHECKSTATUS:
            return dat == DAT_CAPABILITY || dat == DAT_IMAGELAYOUT;
        default:
            return false;
    }
}

}  // namespace z8::fuzz
