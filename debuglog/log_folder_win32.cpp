#include <windows.h>

#include "debuglog/log_folder.h"

namespace z8 {

std::string DefaultLogFolder() {
    char folder[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        return std::string();
    }
    return std::string(folder, length);
}

}  // namespace z8
