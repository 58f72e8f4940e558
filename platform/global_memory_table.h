#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "platform/global_memory.h"

namespace z8 {

// Global memory for native builds and tests: blocks live in a table and the
// handles are numbers, never addresses, so a handle used as a pointer or a
// freed handle used again is caught instead of touching memory.
class GlobalMemoryTable final : public GlobalMemory {
public:
    GlobalHandle Allocate(std::size_t size) override;
    void* Lock(GlobalHandle block) override;
    bool Unlock(GlobalHandle block) override;
    std::size_t Size(GlobalHandle block) const override;
    void Free(GlobalHandle block) override;

    // Blocks allocated and not yet freed, to prove who owns what.
    std::size_t LiveBlocks() const;
    // Current lock count of a block, 0 for an unknown handle.
    unsigned LockCount(GlobalHandle block) const;
    // Refuse allocations larger than this (tests of failure paths); the
    // default refuses nothing.
    void SetAllocationLimit(std::size_t bytes);

private:
    struct Block {
        std::unique_ptr<std::uint8_t[]> data;
        std::size_t size = 0;
        unsigned locks = 0;
    };
    mutable std::mutex mutex_;
    std::map<std::uintptr_t, Block> blocks_;
    std::uintptr_t next_ = 1;
    std::size_t limit_ = SIZE_MAX;
};

}  // namespace z8
