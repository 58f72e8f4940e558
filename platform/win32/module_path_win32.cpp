#include "platform/win32/module_path_win32.h"

#include <vector>

#include "platform/module_path.h"

namespace z8 {

std::string ModuleFilePathOf(HMODULE module) {
    // A filled buffer may have cut the path: grow it and ask again.
    std::vector<char> buffer(255);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameA(module, buffer.data(), size);
        if (length == 0) {
            return std::string();
        }
        if (length < size) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() + 255);
    }
}

std::string ModuleFilePath() {
    return ModuleFilePathOf(nullptr);
}

}  // namespace z8
