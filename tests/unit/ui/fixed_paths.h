#pragma once

#include <string>

#include "platform/system_paths.h"

namespace z8::test {

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
};

}  // namespace z8::test
