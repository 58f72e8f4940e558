#include <unistd.h>

#include <vector>

#include "platform/module_path.h"

namespace z8 {

std::string ModuleFilePath() {
    std::vector<char> buffer(255);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0) {
            return std::string();
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(length));
        }
        buffer.resize(buffer.size() + 255);
    }
}

}  // namespace z8
