#include "platform/win32/system_paths_win32.h"

#include <windows.h>

namespace z8 {

std::string Win32SystemPaths::WindowsDirectory() const {
    char buffer[MAX_PATH + 1];
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    // 0 is a failure; a length beyond the buffer is the size it would need.
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

}  // namespace z8
