#pragma once

#include <cstdint>

namespace z8 {

// Reading values of the system registry.
class Registry {
public:
    virtual ~Registry() = default;
    // Opens `key` under HKEY_LOCAL_MACHINE for reading, reads the data of
    // `value` into buffer (at most size bytes, whatever the stored type) and
    // closes the key. False when the key or the value is missing or the data
    // is longer than size; shorter data leaves the rest of buffer untouched.
    virtual bool ReadLocalMachineValue(const char* key, const char* value, void* buffer,
                                       uint32_t size) = 0;
};

}  // namespace z8
