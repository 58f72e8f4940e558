#include "launcher/profile_file_win32.h"

#include <windows.h>

namespace z8 {

uint32_t Win32ProfileFile::GetString(const char* section, const char* key, const char* def,
                                     char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileStringA(section, key, def, buffer, size, file);
}

uint32_t Win32ProfileFile::GetInt(const char* section, const char* key, int32_t def,
                                  const char* file) {
    return GetPrivateProfileIntA(section, key, def, file);
}

bool Win32ProfileFile::WriteString(const char* section, const char* key, const char* value,
                                   const char* file) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

uint32_t Win32ProfileFile::GetSectionNames(char* buffer, uint32_t size, const char* file) {
    return GetPrivateProfileSectionNamesA(buffer, size, file);
}

}  // namespace z8
