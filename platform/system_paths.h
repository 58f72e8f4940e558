#pragma once

#include <string>

namespace z8 {

// Folders the programs find through the operating system.
class SystemPaths {
public:
    virtual ~SystemPaths() = default;
    // GetWindowsDirectoryA; empty when it cannot be read.
    virtual std::string WindowsDirectory() const = 0;
};

}  // namespace z8
