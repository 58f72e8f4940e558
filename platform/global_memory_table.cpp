#include "platform/global_memory_table.h"

#include <new>

namespace z8 {

namespace {

// Handles are small odd numbers shifted away from page zero: never valid
// addresses, never null.
constexpr std::uintptr_t kHandleBase = 0x10000;

std::uintptr_t KeyOf(GlobalHandle block) {
    return reinterpret_cast<std::uintptr_t>(block);
}

}  // namespace

GlobalHandle GlobalMemoryTable::Allocate(std::size_t size) {
    if (size == 0) return nullptr;
    std::lock_guard lock(mutex_);
    if (size > limit_) return nullptr;
    std::unique_ptr<std::uint8_t[]> data(new (std::nothrow) std::uint8_t[size]());
    if (!data) return nullptr;
    const std::uintptr_t key = kHandleBase + 2 * next_++ + 1;
    blocks_[key] = Block{std::move(data), size, 0};
    return reinterpret_cast<GlobalHandle>(key);
}

void* GlobalMemoryTable::Lock(GlobalHandle block) {
    std::lock_guard lock(mutex_);
    auto it = blocks_.find(KeyOf(block));
    if (it == blocks_.end()) return nullptr;
    ++it->second.locks;
    return it->second.data.get();
}

bool GlobalMemoryTable::Unlock(GlobalHandle block) {
    std::lock_guard lock(mutex_);
    auto it = blocks_.find(KeyOf(block));
    if (it == blocks_.end() || it->second.locks == 0) return false;
    return --it->second.locks > 0;
}

std::size_t GlobalMemoryTable::Size(GlobalHandle block) const {
    std::lock_guard lock(mutex_);
    auto it = blocks_.find(KeyOf(block));
    return it == blocks_.end() ? 0 : it->second.size;
}

void GlobalMemoryTable::Free(GlobalHandle block) {
    std::lock_guard lock(mutex_);
    blocks_.erase(KeyOf(block));
}

std::size_t GlobalMemoryTable::LiveBlocks() const {
    std::lock_guard lock(mutex_);
    return blocks_.size();
}

unsigned GlobalMemoryTable::LockCount(GlobalHandle block) const {
    std::lock_guard lock(mutex_);
    auto it = blocks_.find(KeyOf(block));
    return it == blocks_.end() ? 0 : it->second.locks;
}

void GlobalMemoryTable::SetAllocationLimit(std::size_t bytes) {
    std::lock_guard lock(mutex_);
    limit_ = bytes;
}

}  // namespace z8
