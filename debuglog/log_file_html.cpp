#include "debuglog/log_file_html.h"

#include <cstdio>

namespace z8 {
namespace {

constexpr std::string_view kBodyEnd = "</body>";
constexpr std::string_view kHtmlEnd = "</html>";

std::string_view FaceAttribute(LogStyle style) {
    switch (style & log_style::kFaceMask) {
        case log_style::kTimes:
            return " face=\"Times New Roman, Times, serif\"";
        case log_style::kArial:
            return " face=\"Arial, Helvetica, sans-serif\"";
        case log_style::kCourier:
            return " face=\"Courier New, Courier, mono\"";
        default:
            return {};
    }
}

std::string_view ColourAttribute(LogStyle style) {
    switch (style & log_style::kColourMask) {
        case log_style::kRed:
            return " color=\"#FF0000\"";
        case log_style::kBlue:
            return " color=\"#3300FF\"";
        case log_style::kGreen:
            return " color=\"#009933\"";
        default:
            return {};
    }
}

}  // namespace

CLogFileHtml::CLogFileHtml(const std::string& path, bool append, const LocalClock& clock)
    : clock_(clock) {
    if (!path.empty()) {
        Open(path, append);
    }
}

CLogFileHtml::~CLogFileHtml() {
    Close();
}

bool CLogFileHtml::Open(const std::string& path, bool append) {
    if (file_.IsOpen()) {
        lastError_ = " CLogFileHtml::Open : File is already opened...";
        return false;
    }
    std::string cause;
    if (!file_.Open(path, append ? TextFile::Mode::kReadWrite : TextFile::Mode::kWrite, cause)) {
        lastError_ = "Could not open file " + path + ", error =" + cause;
        return false;
    }
    if (append && ContinuesEarlierRun()) {
        WriteString("=================== NEW LOG =======================",
                    log_style::kRed | log_style::kCourier);
        WriteENDL();
        file_.Flush();
        return true;
    }
    return WriteHeader(path);
}

// Positions the file where the closing lines of an earlier run start, when it
// ends with them; otherwise empties a longer file and starts at its beginning.
bool CLogFileHtml::ContinuesEarlierRun() {
    const int64_t closingBytes =
        static_cast<int64_t>(kBodyEnd.size() + kHtmlEnd.size()) + 2 * TextFile::LineEndBytes();
    const int64_t size = file_.Size();
    if (size <= closingBytes) {
        return false;
    }
    std::string first;
    std::string second;
    if (file_.Seek(size - closingBytes) && file_.ReadLine(first) && file_.ReadLine(second) &&
        first == kBodyEnd && second == kHtmlEnd) {
        return file_.Seek(size - closingBytes);
    }
    file_.Seek(0);
    file_.Truncate();
    return false;
}

bool CLogFileHtml::WriteHeader(const std::string& path) {
    file_.Seek(0);
    file_.Write("<html>\n<head>\n");
    file_.Write("<TITLE>" + path + "</TITLE>\n</head>\n");
    file_.Write("<body>\n");
    WriteString("====================== " + path + " ======================",
                log_style::kBlue | log_style::kCourier);
    WriteENDL();
    file_.Flush();
    return true;
}

bool CLogFileHtml::WriteString(std::string_view text, LogStyle style) {
    if (!file_.IsOpen()) {
        lastError_ = " CLogFileHtml::WriteString : File is not opened...";
        return false;
    }
    if (style == log_style::kPlain) {
        file_.Write(text);
        return true;
    }
    const bool bold = (style & log_style::kBold) != 0;
    const bool italic = (style & log_style::kItalic) != 0;
    const std::string_view face = FaceAttribute(style);
    const std::string_view colour = ColourAttribute(style);
    const bool font = !face.empty() || !colour.empty();

    std::string html;
    if (bold) {
        html += "<b>";
    }
    if (italic) {
        html += "<i>";
    }
    if (font) {
        html.append("<font").append(face).append(colour).append(">");
    }
    html += text;
    if (font) {
        html += "</FONT>";
    }
    if (italic) {
        html += "</i>";
    }
    if (bold) {
        html += "</b>";
    }
    file_.Write(html);
    file_.Flush();
    return true;
}

bool CLogFileHtml::WriteENDL() {
    if (!file_.IsOpen()) {
        lastError_ = " CLogFileHtml::WriteENDL : File is not opened...";
        return false;
    }
    file_.Write("<br>\n");
    return true;
}

bool CLogFileHtml::WriteTime(LogStyle style) {
    const LocalTime now = clock_.Now();
    char text[32];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d:%2.2d:%3.3dms", now.hour, now.minute, now.second,
                  now.millisecond);
    return WriteString(text, style);
}

bool CLogFileHtml::Close() {
    if (file_.IsOpen()) {
        file_.Write("</body>\n");
        file_.Write("</html>\n");
        file_.Close();
    }
    return true;
}

}  // namespace z8
