// Capability triplets through DS_Entry as an application could send them:
// any capability, any message, any container type and any MSG_SET block
// (null, short, of any item type). Every answer must be a container of the
// size its header implies, every block must come back unlocked, nothing may
// be freed behind the application's back, and the settings must stay within
// their accepted sets.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "datasource/capability_containers.h"
#include "datasource/capability_table.h"
#include "datasource/data_source.h"
#include "platform/global_memory_table.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/scanning/session_rig.h"
#include "twain/fix32.h"

namespace {

constexpr TW_UINT16 kStrangers[] = {0, ICAP_ORIENTATION, CAP_AUTHOR, 0x8000, 0xFFFF};

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

private:
    std::span<const uint8_t> bytes_;
};

size_t ExpectedSize(TW_UINT16 conType, const uint8_t* p) {
    uint32_t count = 0;
    switch (conType) {
        case TWON_ONEVALUE:
            return 6;
        case TWON_RANGE:
            return 22;
        case TWON_ENUMERATION:
            std::memcpy(&count, p + 2, 4);
            return 15 + size_t{count} * z8::ItemSize(static_cast<TW_UINT16>(p[0] | p[1] << 8));
        case TWON_ARRAY:
            std::memcpy(&count, p + 2, 4);
            return 7 + size_t{count} * z8::ItemSize(static_cast<TW_UINT16>(p[0] | p[1] << 8));
        default:
            __builtin_trap();
    }
}

void CheckSettings(const z8::CScanSettings& s) {
    const TW_UINT16 units = s.Units();
    const TW_UINT16 depth = s.BitDepth();
    const float gamma = z8::Fix32ToFloat(s.Gamma());
    if (s.PixelType() > 3 || (depth != 1 && depth != 8 && depth != 24) || s.XferCount() < -1 ||
        s.XferCount() > z8::kXferCountMax || gamma < 1.0f || gamma > 5.0f ||
        (units != TWUN_INCHES && units != TWUN_CENTIMETERS && units != TWUN_PIXELS) ||
        s.XferMech() > 3 || s.ImageFileFormat() > 3) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    z8::test::AbsentSerialDevice port;
    z8::test::SessionRig rig{port};
    z8::test::FakeSourceUi ui;
    z8::test::FakeManager manager;
    z8::GlobalMemoryTable memory;
    z8::DataSource source(rig.session, ui, manager, memory);
    Input input({data, size});
    rig.session.Settings().SetFeederSupport(static_cast<TW_UINT16>(3 + input.Byte() % 3));
    rig.session.Settings().SetFlatbedSupport(static_cast<TW_UINT16>(input.Byte() % 3));
    rig.session.Settings().SetDocumentSource(z8::kSourceFlatbed);
    TW_IDENTITY app{};
    app.Id = 1;
    TW_IDENTITY assigned{};
    if (input.Byte() % 2 == 0) source.Entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned);

    const auto& ids = z8::SupportedCapabilityIds();
    while (!input.Empty()) {
        const uint8_t which = input.Byte();
        const TW_UINT16 cap = which < 240 ? ids[which % ids.size()] : kStrangers[which % 5];
        const TW_UINT16 msg = static_cast<TW_UINT16>(input.Byte() % 10);
        const TW_UINT16 conType = static_cast<TW_UINT16>(input.Byte() % 8);
        const size_t blockSize = input.Byte() % 12;
        z8::GlobalHandle mine = nullptr;
        if (blockSize != 0) {
            mine = memory.Allocate(blockSize);
            auto* p = static_cast<uint8_t*>(memory.Lock(mine));
            for (size_t i = 0; i < blockSize; ++i)
                p[i] = input.Byte();
            memory.Unlock(mine);
        }
        TW_CAPABILITY request{cap, conType, mine};
        source.Entry(&app, DG_CONTROL, DAT_CAPABILITY, msg, &request);
        const z8::GlobalHandle answer = request.hContainer;
        if (mine != nullptr && memory.Size(mine) != blockSize)
            __builtin_trap();  // the application's block was freed
        if (answer != nullptr && answer != mine) {
            if (memory.LockCount(answer) != 0) __builtin_trap();
            const auto* p = static_cast<const uint8_t*>(memory.Lock(answer));
            if (p == nullptr || memory.Size(answer) != ExpectedSize(request.ConType, p))
                __builtin_trap();
            memory.Unlock(answer);
            memory.Free(answer);
        }
        if (mine != nullptr) {
            if (memory.LockCount(mine) != 0) __builtin_trap();
            memory.Free(mine);
        }
        CheckSettings(rig.session.Settings());
    }
    if (memory.LiveBlocks() != 0) __builtin_trap();
    return 0;
}
