#include "debuglog/debug_outputs.h"

#include "debuglog/log_write.h"

namespace z8 {

bool CDebugOutputs::Write(int severity, std::string_view text) {
    bool all = true;
    for (CDebug* output : outputs_) {
        all = LogWriteText(output, severity, text) && all;
    }
    return all;
}

}  // namespace z8
