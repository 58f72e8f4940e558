#include "datasource/manager_link_win32.h"

#include <windows.h>

#include <string>

#include "platform/path_parts.h"
#include "platform/win32/system_paths_win32.h"

namespace z8 {
namespace {

constexpr char kManagerFile[] = "twain_32.dll";

}  // namespace

void Win32ManagerLink::Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) {
    const std::string directory = Win32SystemPaths().WindowsDirectory();
    HMODULE manager =
        directory.empty() ? nullptr : LoadLibraryA(JoinPath(directory, kManagerFile).c_str());
    // A 64-bit process cannot load the 32-bit manager of the Windows directory;
    // the normal search then finds its own one.
    if (manager == nullptr) manager = LoadLibraryA(kManagerFile);
    if (manager == nullptr) return;
    auto entry = reinterpret_cast<DSMENTRYPROC>(
        reinterpret_cast<void*>(GetProcAddress(manager, "DSM_Entry")));
    if (entry != nullptr) entry(&source, &application, DG_CONTROL, DAT_NULL, msg, nullptr);
    FreeLibrary(manager);
}

}  // namespace z8
