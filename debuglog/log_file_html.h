#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/local_clock.h"
#include "platform/text_file.h"

namespace z8 {

// Text-style bits of an HTML log write. The face and the colour are values
// of their byte, not independent bits: another value of the byte gives none.
using LogStyle = uint32_t;
namespace log_style {
constexpr LogStyle kPlain = 0;
constexpr LogStyle kBold = 0x1;
constexpr LogStyle kItalic = 0x2;
constexpr LogStyle kFaceMask = 0xFF00;
constexpr LogStyle kTimes = 0x100;
constexpr LogStyle kArial = 0x200;
constexpr LogStyle kCourier = 0x400;
constexpr LogStyle kColourMask = 0xFF0000;
constexpr LogStyle kRed = 0x10000;
constexpr LogStyle kBlue = 0x20000;
constexpr LogStyle kGreen = 0x40000;
}  // namespace log_style

// An HTML log file. Opened in append mode, a file that ends with the closing
// lines of an earlier run continues after a red "NEW LOG" line in their place;
// any other file starts afresh with a header. Close writes the closing lines.
// Failures are kept as the last-error text.
class CLogFileHtml {
public:
    // Opens at once when the path is not empty.
    CLogFileHtml(const std::string& path, bool append,
                 const LocalClock& clock = SystemLocalClock());
    virtual ~CLogFileHtml();
    CLogFileHtml(const CLogFileHtml&) = delete;
    CLogFileHtml& operator=(const CLogFileHtml&) = delete;

    bool Open(const std::string& path, bool append);
    // Text is written unchanged (no HTML escaping); a styled write is flushed.
    bool WriteString(std::string_view text, LogStyle style);
    bool WriteENDL();
    // The local time of day, e.g. 09:05:07:042ms.
    bool WriteTime(LogStyle style);
    bool Close();

    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& LastError() const { return lastError_; }

private:
    bool ContinuesEarlierRun();
    bool WriteHeader(const std::string& path);

    const LocalClock& clock_;
    std::string lastError_ = "NO_ERROR";
    TextFile file_;
};

}  // namespace z8
