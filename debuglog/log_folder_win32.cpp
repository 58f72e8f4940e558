#include "debuglog/log_folder.h"
#include "platform/win32/system_paths_win32.h"

namespace z8 {

std::string DefaultLogFolder() {
    return Win32SystemPaths().WindowsDirectory();
}

}  // namespace z8
