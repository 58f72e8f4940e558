#include "launcher/profile_section.h"

#include <cstdint>

namespace z8 {
namespace {

constexpr uint32_t kValueBuffer = 256;
constexpr uint32_t kFirstNamesBuffer = 5;
constexpr uint32_t kNamesGrowth = 1024;
constexpr uint32_t kMaxNamesBuffer = 500000;

}  // namespace

bool CProfileSection::ReadString(const std::string& key, std::string& value) {
    char buffer[kValueBuffer] = {};
    store_.GetString(section_.c_str(), key.c_str(), "", buffer, kValueBuffer, path_.c_str());
    buffer[kValueBuffer - 1] = '\0';
    if (buffer[0] == '\0') {
        return false;
    }
    value = buffer;
    return true;
}

bool CProfileSection::ReadInt(const std::string& key, int& value) {
    const auto read =
        static_cast<int32_t>(store_.GetInt(section_.c_str(), key.c_str(), -1, path_.c_str()));
    if (read == -1) {
        return false;
    }
    value = read;
    return true;
}

bool CProfileSection::GetSectionNames(std::vector<std::string>& names) {
    std::vector<char> buffer;
    uint32_t length = 0;
    // A full buffer is reported as its size minus 2: grow it and ask again.
    for (uint32_t size = kFirstNamesBuffer;; size += kNamesGrowth) {
        if (size > kMaxNamesBuffer) {
            return false;
        }
        buffer.assign(size, '\0');
        length = store_.GetSectionNames(buffer.data(), size, path_.c_str());
        if (length != size - 2) {
            break;
        }
    }
    names.clear();
    const size_t end = std::min<size_t>(length, buffer.size() - 1);
    for (size_t at = 0; at < end && buffer[at] != '\0';) {
        std::string name(buffer.data() + at);
        at += name.size() + 1;
        names.push_back(std::move(name));
    }
    return !names.empty();
}

bool CProfileSection::SetSection(const std::string& name) {
    if (!name.empty()) {
        section_ = name;
    }
    return true;
}

}  // namespace z8
