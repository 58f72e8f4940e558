#include "debuglog/debug_html.h"

#include "debuglog/log_folder.h"
#include "debuglog/severity.h"
#include "platform/module_path.h"
#include "platform/path_parts.h"

namespace z8 {

CDebugHtml::CDebugHtml(const LocalClock& clock) : file_(std::string(), false, clock) {}

bool CDebugHtml::Open(const std::string& path, bool append) {
    const std::string target =
        path.empty() ? DefaultHtmlLogPath(DefaultLogFolder(), ModuleFilePath()) : path;
    opened_ = file_.Open(target, append);
    return opened_;
}

bool CDebugHtml::Write(int severity, std::string_view text) {
    if (!opened_) {
        return false;
    }
    file_.WriteTime(log_style::kBold | log_style::kCourier);
    file_.WriteString(" : ", log_style::kPlain);
    if (severity == ERR) {
        file_.WriteString(">> ERROR << ", log_style::kBold | log_style::kCourier | log_style::kRed);
    } else if (severity == WNG) {
        file_.WriteString(">> WARNING << ", log_style::kCourier | log_style::kGreen);
    }
    file_.WriteString(text,
                      severity == LOG ? log_style::kBold | log_style::kBlue : log_style::kPlain);
    file_.WriteENDL();
    return true;
}

std::string DefaultHtmlLogPath(const std::string& windowsDirectory, const std::string& modulePath) {
    if (modulePath.empty()) {
        return JoinPath(windowsDirectory, "DefaultLog.htm");
    }
    return JoinPath(windowsDirectory, SplitPath(modulePath).name + ".htm");
}

}  // namespace z8
