#pragma once

#include <string>
#include <vector>

#include "platform/profile_store.h"

namespace z8 {

// Reads one section of one settings file.
class CProfileSection {
public:
    CProfileSection(ProfileStore& store, std::string path)
        : store_(store), path_(std::move(path)) {}
    virtual ~CProfileSection() = default;
    CProfileSection(const CProfileSection&) = delete;
    CProfileSection& operator=(const CProfileSection&) = delete;

    // True, with the value (cut at 255 characters), when it is not empty.
    virtual bool ReadString(const std::string& key, std::string& value);
    // True, with the value, unless it reads as -1 (absent, or a stored -1).
    virtual bool ReadInt(const std::string& key, int& value);
    // Every section name in file order; true when there is at least one.
    // False, list untouched, when the names need more than 500000 bytes.
    virtual bool GetSectionNames(std::vector<std::string>& names);

    // An empty name leaves the section unchanged.
    bool SetSection(const std::string& name);
    const std::string& Section() const { return section_; }

private:
    ProfileStore& store_;
    std::string path_;
    std::string section_;
};

}  // namespace z8
