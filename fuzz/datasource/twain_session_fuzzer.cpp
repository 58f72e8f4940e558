// Sequences of triplets into the TWAIN core over the emulated scanner, in
// the orders an application in a hurry or in error could send them, with
// random records and the user's clicks in between. After every call: the
// state is one the TWAIN state table allows for that triplet and its return
// code; nothing was written around the record or the strip buffer; every
// block the source handed over is live and unlocked, and is freed here; the
// source holds no block but its page's. At the end, the page dropped, the
// table of global blocks is empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include <unistd.h>

#include "datasource/capability_table.h"
#include "fuzz/datasource/guarded_record.h"
#include "fuzz/datasource/twain_state_model.h"
#include "tests/unit/datasource/emulated_source_rig.h"

namespace {

using z8::GlobalHandle;
using z8::fuzz::GuardedRecord;
using z8::fuzz::InState;

// A page of at most this many pixels: an input runs in milliseconds.
constexpr uint32_t kPagePixels = 1u << 16;
constexpr TW_INT16 kSmallEdge = 48;
constexpr TW_UINT32 kAppId = 1;
constexpr TW_UINT32 kStrangerId = 2;
// Not a handle of the table: the source must only find it unknown.
const GlobalHandle kBogusHandle = reinterpret_cast<GlobalHandle>(uintptr_t{0xDEAD0});

struct Triplet {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
};

// clang-format off
constexpr Triplet kTriplets[] = {
    {DG_CONTROL, DAT_IDENTITY, MSG_GET},           {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS},
    {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS},       {DG_CONTROL, DAT_STATUS, MSG_GET},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS}, {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GET},         {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT},  {DG_CONTROL, DAT_CAPABILITY, MSG_SET},
    {DG_CONTROL, DAT_CAPABILITY, MSG_RESET},       {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET},       {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET},     {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET},      {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETCURRENT},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT}, {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET},    {DG_CONTROL, DAT_XFERGROUP, MSG_GET},
    {DG_CONTROL, DAT_XFERGROUP, MSG_SET},          {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_GET},
    {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT},     {DG_IMAGE, DAT_IMAGEINFO, MSG_GET},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET},          {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETCURRENT},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT},   {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET},        {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET},
    {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET},         {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET},
    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET},        {DG_IMAGE, DAT_GRAYRESPONSE, MSG_SET},
    {DG_IMAGE, DAT_RGBRESPONSE, MSG_RESET},        {DG_IMAGE, DAT_PALETTE8, MSG_GET},
    {DG_IMAGE, DAT_PALETTE8, MSG_GETCURRENT},      {DG_IMAGE, DAT_PALETTE8, MSG_SET},
};
// clang-format on

constexpr TW_UINT16 kStrangeCaps[] = {0, ICAP_ORIENTATION, CAP_AUTHOR, 0x8000, 0xFFFF};
constexpr TW_UINT16 kItemTypes[] = {TWTY_INT16, TWTY_UINT16, TWTY_BOOL,  TWTY_FIX32,
                                    TWTY_FRAME, TWTY_INT32,  TWTY_STR255};

class Input {
public:
    explicit Input(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool Empty() const { return bytes_.empty(); }
    uint8_t Byte() {
        if (bytes_.empty()) return 0;
        const uint8_t b = bytes_[0];
        bytes_ = bytes_.subspan(1);
        return b;
    }
    uint16_t U16() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
    uint32_t U32() { return U16() | uint32_t{U16()} << 16; }
    void Fill(uint8_t* to, size_t count) {
        for (size_t i = 0; i < count; ++i)
            to[i] = Byte();
    }

private:
    std::span<const uint8_t> bytes_;
};

void Require(bool holds, const char* what, const Triplet& t, int before, int after, TW_UINT16 rc) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s after DG %u DAT 0x%04x MSG 0x%04x: state %d -> %d, rc %u\n",
                 what, static_cast<unsigned>(t.dg), t.dat, t.msg, before, after, rc);
    __builtin_trap();
}

size_t RecordSize(TW_UINT16 dat) {
    switch (dat) {
        case DAT_CAPABILITY:
            return sizeof(TW_CAPABILITY);
        case DAT_EVENT:
            return sizeof(TW_EVENT);
        case DAT_IDENTITY:
            return sizeof(TW_IDENTITY);
        case DAT_PENDINGXFERS:
            return sizeof(TW_PENDINGXFERS);
        case DAT_SETUPMEMXFER:
            return sizeof(TW_SETUPMEMXFER);
        case DAT_SETUPFILEXFER:
            return sizeof(TW_SETUPFILEXFER);
        case DAT_STATUS:
            return sizeof(TW_STATUS);
        case DAT_USERINTERFACE:
            return sizeof(TW_USERINTERFACE);
        case DAT_XFERGROUP:
            return sizeof(TW_UINT32);
        case DAT_CUSTOMDSDATA:
            return sizeof(TW_CUSTOMDSDATA);
        case DAT_IMAGEINFO:
            return sizeof(TW_IMAGEINFO);
        case DAT_IMAGELAYOUT:
            return sizeof(TW_IMAGELAYOUT);
        case DAT_IMAGEMEMXFER:
            return sizeof(TW_IMAGEMEMXFER);
        case DAT_IMAGENATIVEXFER:
            return sizeof(TW_HANDLE);
        case DAT_PALETTE8:
            return sizeof(TW_PALETTE8);
        default:
            return 16;
    }
}

// The scanner of this input: what it has, how many sheets, which fault.
z8::emu::Script ScannerScript(Input& in) {
    z8::emu::Script script;
    script.feeder = in.Byte() % 3;
    script.flatbed = in.Byte() % 3;
    script.pages = in.Byte() % 4;
    const uint8_t fault = in.Byte();
    script.fault = static_cast<z8::emu::Fault>(fault % 11);
    script.faultPage = 1 + fault / 11 % 3;
    script.stallMs = 1500;
    script.linesPerBand = 1 + in.Byte() % 40;
    const uint8_t statuses = in.Byte();
    for (int i = 0; i < statuses % 4; ++i)
        script.statuses.push_back(in.Byte());
    if (statuses >= 0xF0) script.refuse = in.Byte();
    script.idleTimeout = 0;
    return script;
}

// The source, the application around it and the checks of every call.
class Session {
public:
    Session(z8::emu::Script script, Input& in) : rig_(std::move(script)), in_(in) {
        rig_.SelectArea(kSmallEdge, kSmallEdge);
        rig_.ui.dialogMessage = &dialogMessage_;
        app_.Id = kAppId;
        if (in_.Byte() % 4 == 0) std::strcpy(app_.ProductName, "Lumeto Application");
        // Now and then the dialog side or the memory fails.
        const uint8_t failures = in_.Byte();
        rig_.ui.windowCreated = failures % 8 != 6;
        rig_.ui.threadStarted = failures % 8 != 7;
        if (failures / 8 % 4 >= 2)
            Memory().SetAllocationLimit(failures / 8 % 4 == 2 ? 6000 : 12000);
    }

    void Step() {
        const uint8_t op = in_.Byte();
        if (op < 216) {
            Call(kTriplets[op % std::size(kTriplets)], kAppId);
        } else if (op < 228) {
            constexpr TW_UINT32 kGroups[] = {DG_CONTROL, DG_IMAGE, DG_AUDIO, 0};
            Call(Triplet{kGroups[op % 4], in_.U16(), in_.U16()}, kAppId);
        } else if (op < 236) {
            ClickScan();
        } else if (op < 244) {
            const int before = State();
            if (before >= 5) Source().NotifyCloseRequest();
            Require(State() == before, "a close request moved the state", {}, before, State(), 0);
        } else if (op < 252) {
            Call(kTriplets[in_.Byte() % std::size(kTriplets)], kStrangerId);
        } else {
            rig_.session.RequestStop();
        }
    }

    // The page dropped, as at unload: no block may be left.
    void End() {
        rig_.session.Job().acquired.image.reset();
        Require(rig_.rig.memory.LiveBlocks() == 0, "a block outlives the source", {}, State(),
                State(), 0);
    }

private:
    z8::DataSource& Source() { return rig_.source; }
    int State() const { return rig_.source.state.sourceState; }
    z8::GlobalMemoryTable& Memory() { return rig_.rig.memory; }

    // The user draws a small area in the dialog when the application's would
    // make a large page; false when the settings cannot give one.
    bool KeepPageSmall() {
        z8::CScanSettings& s = rig_.session.Settings();
        const auto small = [&] {
            const auto width = static_cast<uint16_t>(s.RightInPixels() - s.LeftInPixels());
            const auto height = static_cast<uint16_t>(s.BottomInPixels() - s.TopInPixels());
            return uint32_t{width} * height <= kPagePixels;
        };
        if (small()) return true;
        s.SetRightPixels(static_cast<TW_INT16>(s.LeftInPixels() + kSmallEdge));
        s.SetBottomPixels(static_cast<TW_INT16>(s.TopInPixels() + kSmallEdge));
        if (small()) return true;
        rig_.SelectArea(kSmallEdge, kSmallEdge);
        return small();
    }

    void ClickScan() {
        // Only a shown dialog has a Scan button.
        if (State() < 5 || rig_.session.Settings().ShowUI() == 0 || !KeepPageSmall()) return;
        before_ = State();
        rig_.session.Scan();
        const z8::fuzz::StateSet allowed =
            before_ == 5 ? InState(5) | InState(6) : InState(before_);
        Require((allowed & InState(State())) != 0, "a click moved the state", {}, before_, State(),
                0);
        CheckBlocks({}, 0);
    }

    void Call(const Triplet& t, TW_UINT32 originId) {
        const bool scans = (t.dat == DAT_USERINTERFACE && t.msg == MSG_ENABLEDS) ||
                           (t.dat == DAT_PENDINGXFERS && t.msg == MSG_ENDXFER);
        if (scans && !KeepPageSmall()) return;
        const uint8_t shape = in_.Byte();
        std::optional<GuardedRecord> record;
        if (shape >= 8) record.emplace(RecordSize(t.dat), shape % 8);
        if (record) Fill(t, *record);

        TW_IDENTITY origin = app_;
        origin.Id = originId;
        before_ = State();
        const TW_UINT16 conditionBefore = Source().state.conditionCode;
        const TW_UINT32 opener = Source().state.appIdentity.Id;
        const TW_UINT16 rc =
            Source().Entry(&origin, t.dg, t.dat, t.msg, record ? record->Data() : nullptr);
        const int after = State();

        if (record)
            Require(record->GuardsIntact(), "a write outside the record", t, before_, after, rc);
        if (strip_)
            Require(strip_->GuardsIntact(), "a write outside the strip", t, before_, after, rc);
        Require(after >= 3 && after <= 7, "not a TWAIN state", t, before_, after, rc);
        Require(z8::fuzz::PlausibleReturn(t.msg, t.dat, rc), "an unknown answer", t, before_, after,
                rc);
        if (opener != 0 && originId != opener) {
            Require(rc == TWRC_FAILURE && after == before_ &&
                        Source().state.conditionCode == conditionBefore,
                    "a stranger was served", t, before_, after, rc);
        } else {
            const z8::fuzz::StateSet allowed =
                z8::fuzz::StatesAfter(t.dg, t.dat, t.msg, before_, rc);
            Require((allowed & InState(after)) != 0, "a move the state table forbids", t, before_,
                    after, rc);
        }
        if (record) TakeAnswer(t, *record, rc);
        CheckBlocks(t, rc);
    }

    void Fill(const Triplet& t, GuardedRecord& record) {
        switch (t.dat) {
            case DAT_CAPABILITY: {
                const uint8_t which = in_.Byte();
                const auto& ids = z8::SupportedCapabilityIds();
                TW_CAPABILITY cap{};
                cap.Cap = which < 240 ? ids[which % ids.size()] : kStrangeCaps[which % 5];
                cap.ConType = static_cast<TW_UINT16>(in_.Byte() % 8);
                cap.hContainer = Container();
                record.Put(cap);
                break;
            }
            case DAT_USERINTERFACE: {
                TW_USERINTERFACE ui{};
                ui.ShowUI = static_cast<TW_BOOL>(in_.Byte() % 2);
                ui.ModalUI = static_cast<TW_BOOL>(in_.Byte() % 2);
                record.Put(ui);
                break;
            }
            case DAT_EVENT: {
                TW_EVENT event{};
                const uint8_t which = in_.Byte() % 3;
                event.pEvent = which == 0 ? nullptr : which == 1 ? &dialogMessage_ : &otherMessage_;
                record.Put(event);
                break;
            }
            case DAT_IMAGELAYOUT: {
                TW_IMAGELAYOUT layout{};
                for (TW_FIX32* edge : {&layout.Frame.Left, &layout.Frame.Top, &layout.Frame.Right,
                                       &layout.Frame.Bottom}) {
                    edge->Whole = static_cast<int8_t>(in_.Byte());
                    edge->Frac = in_.U16();
                }
                record.Put(layout);
                break;
            }
            case DAT_IMAGEMEMXFER: {
                TW_IMAGEMEMXFER xfer{};
                xfer.Memory = StripMemory();
                record.Put(xfer);
                break;
            }
            case DAT_SETUPFILEXFER: {
                // A name of a few characters, terminated or not.
                const uint8_t length = in_.Byte();
                std::memset(record.Data(), length >= 0x80 ? 'x' : 0, record.Size());
                in_.Fill(record.Data(), length % 8);
                break;
            }
            default:
                in_.Fill(record.Data(), std::min<size_t>(record.Size(), 8));
                break;
        }
    }

    // A container of the application's: none, an unknown handle, or a block
    // of random bytes that often starts with a real item type.
    GlobalHandle Container() {
        const uint8_t kind = in_.Byte();
        if (kind < 16) return nullptr;
        if (kind < 24) return kBogusHandle;
        const size_t size = 1 + kind % 24;
        container_ = Memory().Allocate(size);
        containerSize_ = size;
        auto* p = static_cast<uint8_t*>(Memory().Lock(container_));
        in_.Fill(p, size);
        if (kind >= 128 && size >= 2) {
            const TW_UINT16 type = kItemTypes[in_.Byte() % std::size(kItemTypes)];
            std::memcpy(p, &type, sizeof type);
        }
        Memory().Unlock(container_);
        return container_;
    }

    // The strip buffer: an address with guards, a block of the table, or
    // nothing; of a length the source must check.
    TW_MEMORY StripMemory() {
        TW_MEMORY memory{};
        const uint8_t kind = in_.Byte();
        memory.Flags = TWMF_APPOWNS | (kind % 2 == 0 ? TWMF_POINTER : TWMF_HANDLE);
        switch (kind / 2 % 6) {
            case 0:
                memory.Length = in_.Byte();
                break;
            case 1:
                memory.Length = in_.U16();
                break;
            case 2:
                memory.Length = uint32_t{in_.U16()} * 8;
                break;
            case 3:
                memory.Length = 0x100000;
                break;
            case 4:
                memory.Length = 0x100001;
                break;
            default:
                memory.Length = 0;
                break;
        }
        if (kind >= 0xF0) return memory;  // no buffer at all
        if (memory.Flags & TWMF_HANDLE) {
            stripBlock_ = Memory().Allocate(memory.Length);
            memory.TheMem = stripBlock_;
        } else {
            strip_.emplace(memory.Length, kind % 4);
            memory.TheMem = strip_->Data();
        }
        return memory;
    }

    // What the source handed over is checked and freed, and so is what the
    // application lent it.
    void TakeAnswer(const Triplet& t, GuardedRecord& record, TW_UINT16 rc) {
        const int after = State();
        if (t.dat == DAT_CAPABILITY) {
            const GlobalHandle answer = record.Get<TW_CAPABILITY>().hContainer;
            if (answer != nullptr && answer != container_ && answer != kBogusHandle) {
                Require(Memory().Size(answer) > 0 && Memory().LockCount(answer) == 0,
                        "a container handed over dead or locked", t, before_, after, rc);
                Memory().Free(answer);
            }
        }
        if (t.dat == DAT_IMAGENATIVEXFER && rc == TWRC_XFERDONE) {
            const GlobalHandle dib = record.Get<TW_HANDLE>();
            Require(Memory().Size(dib) >= 40 && Memory().LockCount(dib) == 0,
                    "a picture handed over dead or locked", t, before_, after, rc);
            Memory().Free(dib);
        }
        if (t.dat == DAT_IMAGEMEMXFER && (rc == TWRC_SUCCESS || rc == TWRC_XFERDONE)) {
            const TW_IMAGEMEMXFER xfer = record.Get<TW_IMAGEMEMXFER>();
            Require(xfer.BytesWritten <= xfer.Memory.Length &&
                        uint64_t{xfer.Rows} * xfer.BytesPerRow == xfer.BytesWritten,
                    "a strip larger than its buffer", t, before_, after, rc);
        }
        if (container_ != nullptr) {
            Require(
                Memory().Size(container_) == containerSize_ && Memory().LockCount(container_) == 0,
                "the application's container was freed or left locked", t, before_, after, rc);
            Memory().Free(container_);
            container_ = nullptr;
        }
        if (stripBlock_ != nullptr) {
            Require(Memory().LockCount(stripBlock_) == 0, "the strip block was left locked", t,
                    before_, after, rc);
            Memory().Free(stripBlock_);
            stripBlock_ = nullptr;
        }
        strip_.reset();
    }

    // Between calls the source holds its page's block and nothing else; once
    // closed, not even that.
    void CheckBlocks(const Triplet& t, TW_UINT16 rc) {
        const size_t page = rig_.session.Job().acquired.image != nullptr && State() > 3 ? 1 : 0;
        Require(Memory().LiveBlocks() == page, "a block the source keeps or lost", t, before_,
                State(), rc);
    }

    z8::test::EmulatedSourceRig rig_;
    Input& in_;
    TW_IDENTITY app_{};
    int before_ = 3;
    int dialogMessage_ = 0;
    int otherMessage_ = 0;
    GlobalHandle container_ = nullptr;
    size_t containerSize_ = 0;
    GlobalHandle stripBlock_ = nullptr;
    std::optional<GuardedRecord> strip_;
};

}  // namespace

// Each input's profiles file lives in a fresh folder: on a memory file
// system, the writes that every scan makes cost no disk time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (access("/dev/shm", W_OK) == 0) setenv("TMPDIR", "/dev/shm", 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in({data, size});
    Session session(ScannerScript(in), in);
    for (int calls = 0; !in.Empty() && calls < 200; ++calls)
        session.Step();
    session.End();
    return 0;
}
