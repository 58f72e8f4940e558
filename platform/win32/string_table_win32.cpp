#include "platform/win32/string_table_win32.h"

namespace z8 {

std::string Win32StringTable::Load(unsigned id) const {
    // A string-table entry holds at most 65535 UTF-16 units; texts here are short,
    // so one generous buffer avoids a second call.
    char buffer[1024];
    const int length = LoadStringA(module_, id, buffer, static_cast<int>(sizeof buffer));
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace z8
