#pragma once

#include <string>

namespace z8 {

// Texts of the current resource module, by identifier, in the ANSI code page.
class StringTable {
public:
    virtual ~StringTable() = default;
    // An identifier without a text gives an empty string.
    virtual std::string Load(unsigned id) const = 0;
};

}  // namespace z8
