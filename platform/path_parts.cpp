#include "platform/path_parts.h"

namespace z8 {
namespace {

std::string Capped(std::string_view part, size_t max) {
    return std::string(part.substr(0, max));
}

}  // namespace

PathParts SplitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = Capped(path.substr(0, 2), PathParts::kDriveMax);
        path.remove_prefix(2);
    }
    const size_t lastSeparator = path.find_last_of("\\/");
    if (lastSeparator != std::string_view::npos) {
        parts.folder = Capped(path.substr(0, lastSeparator + 1), PathParts::kPartMax);
        path.remove_prefix(lastSeparator + 1);
    }
    const size_t lastDot = path.find_last_of('.');
    if (lastDot != std::string_view::npos) {
        parts.extension = Capped(path.substr(lastDot), PathParts::kPartMax);
        path = path.substr(0, lastDot);
    }
    parts.name = Capped(path, PathParts::kPartMax);
    return parts;
}

std::string TrimTrailingBackslashes(std::string_view text) {
    while (!text.empty() && text.back() == '\\') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path = TrimTrailingBackslashes(folder);
    path += '\\';
    path += name;
    return path;
}

}  // namespace z8
