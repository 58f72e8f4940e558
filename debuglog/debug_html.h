#pragma once

#include <string>

#include "debuglog/debug.h"
#include "debuglog/log_file_html.h"

namespace z8 {

// A sink writing one HTML line per message: the time, the severity's marker
// and the text.
class CDebugHtml final : public CDebug {
public:
    explicit CDebugHtml(const LocalClock& clock = SystemLocalClock());

    // An empty path means the program's default log (DefaultHtmlLogPath).
    bool Open(const std::string& path, bool append);
    bool Write(int severity, std::string_view text) override;

    const CLogFileHtml& File() const { return file_; }

private:
    CLogFileHtml file_;
    bool opened_ = false;
};

// "<folder>\<program name>.htm" from the Windows directory (trailing
// backslashes removed) and the program's module path; "DefaultLog.htm" when
// the module path is unknown.
std::string DefaultHtmlLogPath(const std::string& windowsDirectory, const std::string& modulePath);

}  // namespace z8
