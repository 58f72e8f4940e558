#pragma once

#include <cstdint>

namespace z8 {

// Private-profile (INI) files with the semantics of the Win32 calls of the same
// names: sections and keys match without regard to case, buffers are filled as
// those calls fill them (truncated, zero-terminated), and a bare file name means
// a file in the Windows directory. Win32 forwards to the real API; natively an
// implementation of our own gives the same results.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // GetPrivateProfileStringA: the value (or def) copied into buffer; returns
    // the number of characters copied, without the terminating zero.
    virtual uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                               uint32_t size, const char* file) = 0;
    // GetPrivateProfileIntA: the value parsed as signed decimal text, else def.
    virtual uint32_t GetInt(const char* section, const char* key, int32_t def,
                            const char* file) = 0;
    // WritePrivateProfileStringA: a null key deletes the section, a null value
    // deletes the key.
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* file) = 0;
    // GetPrivateProfileSectionNamesA: zero-terminated names ending in an empty
    // one; returns the characters written without the final zero.
    virtual uint32_t GetSectionNames(char* buffer, uint32_t size, const char* file) = 0;
};

}  // namespace z8
