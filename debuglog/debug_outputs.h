#pragma once

#include <vector>

#include "debuglog/debug.h"

namespace z8 {

// The outputs of one filter: a line goes to each of them in order. The list
// does not own its sinks.
class CDebugOutputs final : public CDebug {
public:
    void Add(CDebug* output) { outputs_.push_back(output); }
    void RemoveAll() { outputs_.clear(); }
    int GetSize() const { return static_cast<int>(outputs_.size()); }

    // Every output is tried; true only when every one accepted the line.
    bool Write(int severity, std::string_view text) override;

private:
    std::vector<CDebug*> outputs_;
};

}  // namespace z8
