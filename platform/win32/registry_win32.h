#pragma once

#include "platform/registry.h"

namespace z8 {

// RegOpenKeyExA, RegQueryValueExA and RegCloseKey.
class Win32Registry final : public Registry {
public:
    bool ReadLocalMachineValue(const char* key, const char* value, void* buffer,
                               uint32_t size) override;
};

}  // namespace z8
