#include "debuglog/text_log_file.h"

namespace z8 {

bool CTextLogFile::Open(const std::string& path) {
    if (path.empty() || stream_ != nullptr) {
        return false;
    }
    // Text mode: a line feed is stored as CR LF on Windows.
    stream_ = std::fopen(path.c_str(), "w");
    return stream_ != nullptr;
}

void CTextLogFile::Close() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
}

void CTextLogFile::WriteLine(std::string_view text, int mode) {
    if (stream_ == nullptr) {
        return;
    }
    const LocalTime now = clock_.Now();
    if (mode == kDateAndTime) {
        std::fprintf(stream_, "%2.2d/%2.2d/%2.2d %2.2d:%2.2d:%2.2d:%3.3dms ", now.day, now.month,
                     now.year, now.hour, now.minute, now.second, now.millisecond);
    } else if (mode == kTimeOnly) {
        std::fprintf(stream_, "%2.2d:%2.2d:%2.2d:%3.3dms ", now.hour, now.minute, now.second,
                     now.millisecond);
    }
    std::fflush(stream_);
    std::fprintf(stream_, " : %.*s\n", static_cast<int>(text.size()), text.data());
    std::fflush(stream_);
}

}  // namespace z8
