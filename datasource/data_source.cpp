#include "datasource/data_source.h"

#include <cstring>

#include "datasource/capability_table.h"
#include "datasource/triplet_table.h"

namespace z8 {
namespace {

constexpr char kLumetoProductName[] = "Lumeto Application";

}  // namespace

DataSource::DataSource(ScanningSession& session, SourceUi& ui, ManagerLink& manager,
                       GlobalMemory& memory)
    : session_(session),
      ui_(ui),
      manager_(manager),
      memory_(memory),
      transfer_(session, memory, state) {
    session_.SetTransferReadyHandler([this] { NotifyTransferReady(); });
    // A click on Scan or Preview while a page waits for its transfer, or is
    // being transferred, would replace it under the application.
    session_.SetScanGate([this] { return state.sourceState < 6; });
}

TW_UINT16 DataSource::Refuse(TW_UINT16 code) {
    state.conditionCode = code;
    return TWRC_FAILURE;
}

TW_UINT16 DataSource::Entry(const TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                            TW_MEMREF data) {
    // While open, only the application that opened the source is served; a
    // stranger's call changes nothing, not even the condition code.
    const TW_UINT32 openedBy = state.appIdentity.Id;
    if (openedBy != 0 && (origin == nullptr || TW_UINT32{origin->Id} != openedBy)) {
        return TWRC_FAILURE;
    }
    if (msg == MSG_PROCESSEVENT) return ProcessEvent(data);
    if (dg != DG_CONTROL && dat != DAT_STATUS) state.conditionCode = TWCC_SUCCESS;
    if (dg != DG_CONTROL && dg != DG_IMAGE) return Refuse(TWCC_BADPROTOCOL);

    // Steps that come before the state test.
    if (dg == DG_CONTROL && dat == DAT_IDENTITY && msg == MSG_OPENDS) {
        state.lumetoCaller =
            origin != nullptr &&
            std::strncmp(origin->ProductName, kLumetoProductName, sizeof origin->ProductName) == 0;
    }
    if (dg == DG_CONTROL && dat == DAT_USERINTERFACE && msg == MSG_DISABLEDS) {
        ui_.DrainDialogMessages();
    }

    switch (CheckTriplet(dg, dat, msg, state.sourceState)) {
        case TripletCheck::BadProtocol:
            return Refuse(TWCC_BADPROTOCOL);
        case TripletCheck::SeqError:
            return Refuse(TWCC_SEQERROR);
        case TripletCheck::Accepted:
            break;
    }
    return Dispatch(origin, dg, dat, msg, data);
}

TW_UINT16 DataSource::Dispatch(const TW_IDENTITY* origin, TW_UINT32 dg, TW_UINT16 dat,
                               TW_UINT16 msg, TW_MEMREF data) {
    if (dg == DG_CONTROL) {
        switch (dat) {
            case DAT_IDENTITY:
                return Identity(origin, msg, data);
            case DAT_STATUS:
                return Status(data);
            case DAT_USERINTERFACE:
                return msg == MSG_ENABLEDS ? EnableSource(data) : DisableSource(data);
            case DAT_CAPABILITY:
                return HandleCapability(msg, data);
            case DAT_CUSTOMDSDATA:
                return TWRC_SUCCESS;
            default:
                break;
        }
    } else if (dat == DAT_GRAYRESPONSE || dat == DAT_RGBRESPONSE) {
        return TWRC_SUCCESS;
    }
    return transfer_.Answer(dat, msg, data);
}

TW_UINT16 DataSource::ProcessEvent(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    // Copied in and out whole, as every record: it need not be aligned.
    TW_EVENT event;
    std::memcpy(&event, data, sizeof event);
    if (event.pEvent == nullptr) return Refuse(TWCC_BADVALUE);
    if (!ui_.ProcessEvent(event.pEvent)) return TWRC_NOTDSEVENT;
    event.TWMessage = MSG_NULL;
    std::memcpy(data, &event, sizeof event);
    return TWRC_DSEVENT;
}

TW_UINT16 DataSource::Identity(const TW_IDENTITY* origin, TW_UINT16 msg, TW_MEMREF data) {
    switch (msg) {
        case MSG_GET:
            if (data == nullptr) return Refuse(TWCC_BADVALUE);
            std::memcpy(data, &state.sourceIdentity, sizeof(TW_IDENTITY));
            return TWRC_SUCCESS;
        case MSG_OPENDS:
            if (origin == nullptr || data == nullptr) return Refuse(TWCC_BADVALUE);
            if (session_.Settings().DocumentSource() == kSourceNone) {
                return Refuse(TWCC_CHECKDEVICEONLINE);
            }
            std::memcpy(&state.appIdentity, origin, sizeof(TW_IDENTITY));
            std::memcpy(&state.sourceIdentity, data, sizeof(TW_IDENTITY));
            state.sourceState = 4;
            return TWRC_SUCCESS;
        default:  // MSG_CLOSEDS
            state.sourceState = 3;
            state.appIdentity.Id = 0;
            // The source may stay loaded for hours between sessions: the
            // last page goes with the session that scanned it.
            session_.Job().acquired.image.reset();
            return TWRC_SUCCESS;
    }
}

TW_UINT16 DataSource::Status(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    TW_STATUS status{};
    status.ConditionCode = state.conditionCode;
    status.Reserved = 0;
    std::memcpy(data, &status, sizeof status);
    state.conditionCode = TWCC_SUCCESS;
    return TWRC_SUCCESS;
}

TW_UINT16 DataSource::EnableSource(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    TW_USERINTERFACE request;
    std::memcpy(&request, data, sizeof request);
    const bool showUI = request.ShowUI != 0;
    session_.Settings().SetShowUI(showUI ? 1 : 0);
    transfer_.StartJob();
    if (!ui_.CreateDialogWindow() || !ui_.StartMessageThread()) {
        ui_.EndMessageThread();
        ui_.DestroyDialogWindow();
        return Refuse(TWCC_LOWMEMORY);
    }
    state.sourceState = 5;
    if (showUI) {
        ui_.ShowDialog();
    } else {
        // Scans at once; a finished scan has notified the manager (state 6)
        // before this returns.
        session_.Scan();
    }
    return TWRC_SUCCESS;
}

TW_UINT16 DataSource::DisableSource(TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    TW_USERINTERFACE request;
    std::memcpy(&request, data, sizeof request);
    state.sourceState = 4;
    if (request.ShowUI == 0) ui_.HideDialog();
    ui_.EndMessageThread();
    ui_.DestroyDialogWindow();
    return TWRC_SUCCESS;
}

TW_UINT16 DataSource::HandleCapability(TW_UINT16 msg, TW_MEMREF data) {
    if (data == nullptr) return Refuse(TWCC_BADVALUE);
    // Copied in and out whole: the application's record need not be aligned.
    TW_CAPABILITY request;
    std::memcpy(&request, data, sizeof request);
    CapabilityContext context{session_.Settings(), memory_};
    const TW_UINT16 code = AnswerCapability(context, msg, request);
    std::memcpy(data, &request, sizeof request);
    return code == TWCC_SUCCESS ? TWRC_SUCCESS : Refuse(code);
}

void DataSource::NotifyTransferReady() {
    // Called only at the end of a final scan started by Scan: a new job.
    transfer_.StartJob();
    state.sourceState = 6;
    manager_.Send(state.sourceIdentity, state.appIdentity, MSG_XFERREADY);
}

void DataSource::NotifyCloseRequest() {
    manager_.Send(state.sourceIdentity, state.appIdentity, MSG_CLOSEDSREQ);
}

}  // namespace z8
