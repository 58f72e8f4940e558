#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile_store.h"

namespace z8::test {

// Settings held in memory, returned with the buffer rules of the Win32 calls;
// remembers the files and keys it was asked for.
class FakeProfileStore final : public ProfileStore {
public:
    uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                       uint32_t size, const char* file) override {
        files.push_back(file);
        keys.push_back(key);
        const auto found = values.find({section, key});
        const std::string value = found != values.end() ? found->second : def;
        const size_t length = std::min<size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), length);
        buffer[length] = '\0';
        return static_cast<uint32_t>(length);
    }
    uint32_t GetInt(const char* section, const char* key, int32_t def, const char*) override {
        const auto found = values.find({section, key});
        return static_cast<uint32_t>(found != values.end() ? std::stoi(found->second) : def);
    }
    bool WriteString(const char*, const char*, const char*, const char*) override { return false; }
    uint32_t GetSectionNames(char* buffer, uint32_t size, const char*) override {
        ++sectionNameCalls;
        std::string all;
        for (const std::string& name : sections) {
            all += name;
            all += '\0';
        }
        // Names that do not fit are cut, and the call reports size - 2.
        if (all.size() + 1 > size) {
            std::memcpy(buffer, all.data(), size - 2);
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer, all.data(), all.size());
        buffer[all.size()] = '\0';
        return static_cast<uint32_t>(all.size() == 0 ? 0 : all.size());
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> sections;
    std::vector<std::string> files;
    std::vector<std::string> keys;
    int sectionNameCalls = 0;
};

}  // namespace z8::test
