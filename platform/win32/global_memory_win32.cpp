#include "platform/win32/global_memory_win32.h"

#include <windows.h>

namespace z8 {

GlobalHandle GlobalMemoryWin32::Allocate(std::size_t size) {
    if (size == 0) return nullptr;
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
}

void* GlobalMemoryWin32::Lock(GlobalHandle block) {
    return block ? GlobalLock(static_cast<HGLOBAL>(block)) : nullptr;
}

bool GlobalMemoryWin32::Unlock(GlobalHandle block) {
    return block && GlobalUnlock(static_cast<HGLOBAL>(block)) != FALSE;
}

std::size_t GlobalMemoryWin32::Size(GlobalHandle block) const {
    return block ? GlobalSize(static_cast<HGLOBAL>(block)) : 0;
}

void GlobalMemoryWin32::Free(GlobalHandle block) {
    if (block) GlobalFree(static_cast<HGLOBAL>(block));
}

}  // namespace z8
