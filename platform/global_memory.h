#pragma once

#include <cstddef>

namespace z8 {

// A moveable global memory block as TWAIN hands them across (HGLOBAL on
// Windows). Null means no block.
using GlobalHandle = void*;

// The operations of GlobalAlloc, GlobalLock, GlobalUnlock, GlobalSize and
// GlobalFree on moveable blocks. Win32 forwards to the API; natively a handle
// table of our own gives the same answers.
class GlobalMemory {
public:
    virtual ~GlobalMemory() = default;
    // GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT): a zero-filled block of at
    // least size bytes, or null when it cannot be had (also for size 0).
    virtual GlobalHandle Allocate(std::size_t size) = 0;
    // GlobalLock: the block's address, null for an unknown handle. Locks nest.
    virtual void* Lock(GlobalHandle block) = 0;
    // GlobalUnlock: true while the block stays locked after this call.
    virtual bool Unlock(GlobalHandle block) = 0;
    // GlobalSize: the usable size of the block, 0 for an unknown handle.
    virtual std::size_t Size(GlobalHandle block) const = 0;
    // GlobalFree: frees the block, locked or not; an unknown handle is ignored.
    virtual void Free(GlobalHandle block) = 0;
};

}  // namespace z8
