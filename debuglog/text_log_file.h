#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/local_clock.h"

namespace z8 {

// A text log: each line is a time stamp, " : ", the text and a line feed.
class CTextLogFile {
public:
    enum StampMode {
        kDateAndTime = 0,  // "07/03/2024 09:05:07:042ms "
        kTimeOnly = 1,     // "09:05:07:042ms "
    };

    explicit CTextLogFile(const LocalClock& clock = SystemLocalClock()) : clock_(clock) {}
    ~CTextLogFile() { Close(); }
    CTextLogFile(const CTextLogFile&) = delete;
    CTextLogFile& operator=(const CTextLogFile&) = delete;

    // Creates or empties the file; false for an empty path, when a file is
    // already open, or when it cannot be created.
    bool Open(const std::string& path);
    bool IsOpen() const { return stream_ != nullptr; }
    void Close();

    // Any mode other than the two stamp modes writes no stamp. Nothing is
    // written while no file is open.
    void WriteLine(std::string_view text, int mode);

private:
    const LocalClock& clock_;
    std::FILE* stream_ = nullptr;
};

}  // namespace z8
