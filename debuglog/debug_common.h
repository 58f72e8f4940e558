#pragma once

#include <string>

#include "debuglog/debug.h"

namespace z8 {

// A sink forwarding each line, tagged with its name, to a shared target log.
// Without a target (the default) its lines are dropped.
class CDebugCommon final : public CDebug {
public:
    // False for an empty name, which leaves the name unchanged.
    bool SetName(const std::string& name);
    const std::string& Name() const { return name_; }
    // The target is not owned; null detaches.
    void SetTarget(CDebug* target) { target_ = target; }

    // "[name] text" to the target at the same severity; true in every case.
    bool Write(int severity, std::string_view text) override;

private:
    std::string name_ = "UNKNOWN";
    CDebug* target_ = nullptr;
};

}  // namespace z8
