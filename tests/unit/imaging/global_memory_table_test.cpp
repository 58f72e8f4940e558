#include <gtest/gtest.h>

#include <cstdint>

#include "platform/global_memory_table.h"

namespace z8 {
namespace {

TEST(GlobalMemoryTable, BlocksAreZeroedSizedAndFreed) {
    GlobalMemoryTable memory;
    GlobalHandle block = memory.Allocate(10);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(memory.Size(block), 10u);
    auto* p = static_cast<std::uint8_t*>(memory.Lock(block));
    ASSERT_NE(p, nullptr);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(p[i], 0);
    EXPECT_EQ(memory.LiveBlocks(), 1u);
    memory.Free(block);
    EXPECT_EQ(memory.LiveBlocks(), 0u);
    // A freed handle is unknown from then on, never a dangling address.
    EXPECT_EQ(memory.Lock(block), nullptr);
    EXPECT_EQ(memory.Size(block), 0u);
}

TEST(GlobalMemoryTable, LocksNestAsGlobalLockDoes) {
    GlobalMemoryTable memory;
    GlobalHandle block = memory.Allocate(4);
    void* first = memory.Lock(block);
    EXPECT_EQ(memory.Lock(block), first);
    EXPECT_EQ(memory.LockCount(block), 2u);
    EXPECT_TRUE(memory.Unlock(block));
    EXPECT_FALSE(memory.Unlock(block));
    EXPECT_FALSE(memory.Unlock(block));
    EXPECT_EQ(memory.LockCount(block), 0u);
    memory.Free(block);
}

TEST(GlobalMemoryTable, RefusesWhatItCannotGive) {
    GlobalMemoryTable memory;
    EXPECT_EQ(memory.Allocate(0), nullptr);
    memory.SetAllocationLimit(100);
    EXPECT_EQ(memory.Allocate(101), nullptr);
    GlobalHandle block = memory.Allocate(100);
    EXPECT_NE(block, nullptr);
    memory.Free(block);
    // Handles that were never given out.
    EXPECT_EQ(memory.Lock(nullptr), nullptr);
    EXPECT_EQ(memory.Lock(reinterpret_cast<GlobalHandle>(&memory)), nullptr);
    memory.Free(reinterpret_cast<GlobalHandle>(&memory));
    EXPECT_EQ(memory.LiveBlocks(), 0u);
}

}  // namespace
}  // namespace z8
