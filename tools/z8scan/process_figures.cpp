#include "tools/z8scan/process_figures.h"

// GetProcessMemoryInfo as kernel32's K32GetProcessMemoryInfo: no psapi.dll.
#define PSAPI_VERSION 2
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

namespace z8scan {
namespace {

BOOL CALLBACK CountOwnWindow(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) ++*reinterpret_cast<uint64_t*>(count);
    return TRUE;
}

}  // namespace

ProcessFigures TakeProcessFigures() {
    ProcessFigures figures;
    DWORD handles = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &handles)) figures.handles = handles;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.privateBytes = memory.PrivateUsage;
    }
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
