#include "datasource/capability_containers.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "platform/global_memory_table.h"

namespace z8 {
namespace {

// Blocks that can be allocated but never locked.
class UnlockableMemory final : public GlobalMemory {
public:
    GlobalHandle Allocate(std::size_t size) override { return table.Allocate(size); }
    void* Lock(GlobalHandle) override { return nullptr; }
    bool Unlock(GlobalHandle block) override { return table.Unlock(block); }
    std::size_t Size(GlobalHandle block) const override { return table.Size(block); }
    void Free(GlobalHandle block) override { table.Free(block); }
    GlobalMemoryTable table;
};

GlobalHandle OneValueBlock(GlobalMemory& memory, const std::array<uint8_t, 6>& bytes) {
    const GlobalHandle block = memory.Allocate(bytes.size());
    std::memcpy(memory.Lock(block), bytes.data(), bytes.size());
    memory.Unlock(block);
    return block;
}

TEST(CapabilityContainers, BlocksThatCannotBeLockedAreFreedAndReportedAsLowMemory) {
    UnlockableMemory memory;
    const std::array<TW_UINT16, 2> items{1, 2};
    TW_CAPABILITY cap{ICAP_UNITS, TWON_DONTCARE16, nullptr};
    EXPECT_EQ(BuildOneValue(memory, cap, TWTY_UINT16, 1), TWCC_LOWMEMORY);
    EXPECT_EQ(BuildRange(memory, cap, RangeValues{}), TWCC_LOWMEMORY);
    EXPECT_EQ(BuildEnumeration(memory, cap, UInt16Items(items), 0, 0), TWCC_LOWMEMORY);
    EXPECT_EQ(BuildArray(memory, cap, UInt16Items(items)), TWCC_LOWMEMORY);
    EXPECT_EQ(GlobalHandle{cap.hContainer}, nullptr);
    EXPECT_EQ(cap.ConType, TWON_DONTCARE16);
    EXPECT_EQ(memory.table.LiveBlocks(), 0u);

    const GlobalHandle block = memory.table.Allocate(6);
    TW_UINT32 item = 0;
    EXPECT_EQ(
        ReadOneValue(memory, TW_CAPABILITY{ICAP_UNITS, TWON_ONEVALUE, block}, TWTY_UINT16, item),
        TWCC_BADVALUE);
    memory.table.Free(block);
}

TEST(CapabilityContainers, NarrowItemsIgnoreTheUnusedHighBytes) {
    GlobalMemoryTable memory;
    // A FALSE with garbage in the upper half of the field stays FALSE.
    const GlobalHandle boolean = OneValueBlock(memory, {TWTY_BOOL, 0, 0, 0, 0xCD, 0xAB});
    TW_UINT32 item = 0xFFFFFFFF;
    EXPECT_EQ(
        ReadOneValue(memory, TW_CAPABILITY{CAP_AUTOFEED, TWON_ONEVALUE, boolean}, TWTY_BOOL, item),
        TWCC_SUCCESS);
    EXPECT_EQ(item, 0u);
    EXPECT_EQ(memory.LockCount(boolean), 0u);

    const GlobalHandle fix = OneValueBlock(memory, {TWTY_FIX32, 0, 0x9C, 0xFF, 0x01, 0x00});
    EXPECT_EQ(ReadOneValue(memory, TW_CAPABILITY{ICAP_GAMMA, TWON_ONEVALUE, fix}, TWTY_FIX32, item),
              TWCC_SUCCESS);
    EXPECT_EQ(item, 0x0001FF9Cu);
    // Another declared type is refused even when the sizes agree.
    EXPECT_EQ(ReadOneValue(memory, TW_CAPABILITY{ICAP_GAMMA, TWON_ONEVALUE, fix}, TWTY_INT32, item),
              TWCC_BADVALUE);
    EXPECT_EQ(memory.LockCount(fix), 0u);
    memory.Free(boolean);
    memory.Free(fix);
}

}  // namespace
}  // namespace z8
