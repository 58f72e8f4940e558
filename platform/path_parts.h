#pragma once

#include <string>
#include <string_view>

namespace z8 {

// A path split as the Windows C library's _splitpath does: both '\\' and '/'
// separate folders, a drive is a letter and a colon. Each part is cut to the
// capacity of the fixed buffers such splits fill (drive 3, the others 256
// bytes, terminator included), so no path can overflow them.
struct PathParts {
    static constexpr size_t kDriveMax = 2;
    static constexpr size_t kPartMax = 255;

    std::string drive;      // "C:" or empty
    std::string folder;     // with its leading and trailing separators, e.g. "\\Tools\\"
    std::string name;       // file name without extension
    std::string extension;  // from the last dot, e.g. ".exe"
};

PathParts SplitPath(std::string_view path);

// name in folder: an absolute name (from the root of a drive or of the
// current drive, or with a drive letter) is itself; otherwise the folder, a
// backslash unless the folder is empty or already ends with a separator, and
// the name.
std::string JoinPath(std::string_view folder, std::string_view name);

// The text without its trailing backslashes.
std::string TrimTrailingBackslashes(std::string_view text);

}  // namespace z8
