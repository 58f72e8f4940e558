#include "debuglog/debug_common.h"

#include "debuglog/log_write.h"

namespace z8 {

bool CDebugCommon::SetName(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    name_ = name;
    return true;
}

bool CDebugCommon::Write(int severity, std::string_view text) {
    if (target_ != nullptr) {
        LogWrite(target_, severity, "[%s] %.*s", name_.c_str(), static_cast<int>(text.size()),
                 text.data());
    }
    return true;
}

}  // namespace z8
