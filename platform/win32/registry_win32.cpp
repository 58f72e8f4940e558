#include "platform/win32/registry_win32.h"

#include <windows.h>

namespace z8 {

bool Win32Registry::ReadLocalMachineValue(const char* key, const char* value, void* buffer,
                                          uint32_t size) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD length = size;
    const LONG status =
        RegQueryValueExA(opened, value, nullptr, &type, static_cast<BYTE*>(buffer), &length);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

}  // namespace z8
