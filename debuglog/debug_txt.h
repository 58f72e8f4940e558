#pragma once

#include <string>

#include "debuglog/debug.h"
#include "debuglog/text_log_file.h"

namespace z8 {

// A sink writing numbered lines to a text file, stamped with the time of day.
class CDebugTxt final : public CDebug {
public:
    explicit CDebugTxt(const LocalClock& clock = SystemLocalClock()) : file_(clock) {}

    // Always starts a new file.
    bool Open(const std::string& path);
    bool Write(int severity, std::string_view text) override;

private:
    bool opened_ = false;
    CTextLogFile file_;
    int lineCount_ = 0;
};

}  // namespace z8
