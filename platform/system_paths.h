#pragma once

#include <string>

namespace z8 {

// Folders the programs find through the operating system.
class SystemPaths {
public:
    virtual ~SystemPaths() = default;
    // GetWindowsDirectoryA; empty when it cannot be read.
    virtual std::string WindowsDirectory() const = 0;
    // The user's documents folder as the shell knows it, not created when
    // missing; empty when it cannot be had (and on systems without one).
    virtual std::string DocumentsFolder() const { return std::string(); }
};

}  // namespace z8
