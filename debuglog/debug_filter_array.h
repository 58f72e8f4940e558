#pragma once

#include <memory>

#include "debuglog/container.h"
#include "debuglog/debug_filter.h"
#include "platform/named_mutex.h"

namespace z8 {

// The filters of a program, loaded from and saved to one element
// "DebugFilterArray" whose children are the filters, named by their tags.
class CDebugFilterArray final : public CContainer {
public:
    CDebugFilterArray();

    CElement* CreateElement() override { return new CDebugFilter; }

private:
    std::unique_ptr<NamedMutex> mutex_;
};

// How many filter arrays were ever constructed in this process.
int DebugFilterArrayInstanceCount();

}  // namespace z8
