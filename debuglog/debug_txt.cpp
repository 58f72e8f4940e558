#include "debuglog/debug_txt.h"

#include "debuglog/severity.h"

namespace z8 {

bool CDebugTxt::Open(const std::string& path) {
    opened_ = file_.Open(path);
    return opened_;
}

bool CDebugTxt::Write(int severity, std::string_view text) {
    if (!opened_) {
        return false;
    }
    const char* prefix = severity == ERR ? ">> ERROR << " : severity == WNG ? ">> WARNING << " : "";
    const std::string line = std::to_string(lineCount_) + " > " + prefix + std::string(text);
    ++lineCount_;
    file_.WriteLine(line, CTextLogFile::kTimeOnly);
    return true;
}

}  // namespace z8
