#include "platform/win32/system_paths_win32.h"

#include <windows.h>

#include <shlobj.h>

namespace z8 {

std::string Win32SystemPaths::WindowsDirectory() const {
    char buffer[MAX_PATH + 1];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    // 0 is a failure; a length beyond the buffer is the size it would need.
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

std::string Win32SystemPaths::DocumentsFolder() const {
    char buffer[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
        return std::string();
    }
    return buffer;
}

}  // namespace z8
