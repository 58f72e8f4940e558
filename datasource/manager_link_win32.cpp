#include "datasource/manager_link_win32.h"

#include <windows.h>

#include <string>

namespace z8 {

void Win32ManagerLink::Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    std::string path;
    if (length > 0 && length < MAX_PATH) {
        path.assign(directory, length);
        if (path.back() != '\\') path += '\\';
    }
    path += "twain_32.dll";

    HMODULE manager = LoadLibraryA(path.c_str());
    // A 64-bit process cannot load the 32-bit manager of the Windows directory;
    // the normal search then finds its own one.
    if (manager == nullptr) manager = LoadLibraryA("twain_32.dll");
    if (manager == nullptr) return;
    auto entry = reinterpret_cast<DSMENTRYPROC>(
        reinterpret_cast<void*>(GetProcAddress(manager, "DSM_Entry")));
    if (entry != nullptr) entry(&source, &application, DG_CONTROL, DAT_NULL, msg, nullptr);
    FreeLibrary(manager);
}

}  // namespace z8
