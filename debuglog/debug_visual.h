#pragma once

#include "debuglog/debug.h"

namespace z8 {

// A sink for a debugger's output window. It counts the lines it is given and
// emits nothing: no program of this system reads such a channel.
class CDebugVisual final : public CDebug {
public:
    bool Write(int, std::string_view) override {
        ++lineCount_;
        return true;
    }
    int LineCount() const { return lineCount_; }

private:
    int lineCount_ = 0;
};

}  // namespace z8
