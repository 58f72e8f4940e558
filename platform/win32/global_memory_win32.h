#pragma once

#include "platform/global_memory.h"

namespace z8 {

// GlobalAlloc and friends on moveable blocks: the memory TWAIN applications
// receive and free themselves.
class GlobalMemoryWin32 final : public GlobalMemory {
public:
    GlobalHandle Allocate(std::size_t size) override;
    void* Lock(GlobalHandle block) override;
    bool Unlock(GlobalHandle block) override;
    std::size_t Size(GlobalHandle block) const override;
    void Free(GlobalHandle block) override;
};

}  // namespace z8
