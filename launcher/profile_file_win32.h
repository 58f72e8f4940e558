#pragma once

#include "platform/profile_store.h"

namespace z8 {

// The launcher's settings file through the Win32 private-profile calls.
class Win32ProfileFile final : public ProfileStore {
public:
    uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                       uint32_t size, const char* file) override;
    uint32_t GetInt(const char* section, const char* key, int32_t def, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override;
    uint32_t GetSectionNames(char* buffer, uint32_t size, const char* file) override;
};

}  // namespace z8
