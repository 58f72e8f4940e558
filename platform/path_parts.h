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

// The text without its trailing backslashes.
std::string TrimTrailingBackslashes(std::string_view text);

// A file in a folder: the folder without its trailing backslashes, one
// backslash, the name. An empty folder gives the name at the root of the
// current drive.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace z8
