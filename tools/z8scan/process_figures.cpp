#include "tools/z8scan/process_figures.h"

// GetProcessMemoryInfo as kernel32's K32GetProcessMemoryInfo: no psapi.dll.
#define PSAPI_VERSION 2
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

namespace z8scan {
namespace {

// Handle values are multiples of 4 from 4; a process of this kind holds a few
// hundred at most, far below this limit.
constexpr ULONG_PTR kLargestHandleValue = 0x10000;

uint64_t CountValidHandles() {
    uint64_t valid = 0;
    for (ULONG_PTR value = 4; value < kLargestHandleValue; value += 4) {
        DWORD flags = 0;
        valid += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return valid;
}

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) ++*reinterpret_cast<uint64_t*>(count);
    return TRUE;
}

// The bytes of the busy blocks of every heap of the process: what is allocated
// and not freed, whatever pages the heaps keep. Nothing is allocated while a
// heap is locked: another thread holding a second heap could deadlock it.
uint64_t CountHeapBytes() {
    std::vector<HANDLE> heaps(16);
    for (;;) {
        const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
        if (count <= heaps.size()) {
            heaps.resize(count);
            break;
        }
        heaps.resize(count);
    }
    uint64_t busy = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) busy += entry.cbData;
        }
        HeapUnlock(heap);
    }
    return busy;
}

}  // namespace

ProcessFigures TakeProcessFigures() {
    ProcessFigures figures;
    // Wine answers 0 handles here; the handles are then counted one by one.
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    figures.handles = handles != 0 ? handles : CountValidHandles();
    // PrivateUsage is documented to equal PagefileUsage, the private commit
    // charge; Wine fills in only the latter.
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.privateBytes = std::max<uint64_t>(memory.PrivateUsage, memory.PagefileUsage);
    }
    figures.heapBytes = CountHeapBytes();
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more;
             more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++figures.threads;
        }
        CloseHandle(snapshot);
    }
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&figures.windows));
    return figures;
}

}  // namespace z8scan
