#include <windows.h>

#include "imaging/file_sink.h"

namespace z8 {

// The C library's rename refuses an existing target on Windows.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace z8
