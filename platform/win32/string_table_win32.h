#pragma once

#include <windows.h>

#include "platform/string_table.h"

namespace z8 {

// LoadStringA over one module.
class Win32StringTable final : public StringTable {
public:
    explicit Win32StringTable(HINSTANCE module) : module_(module) {}
    std::string Load(unsigned id) const override;

private:
    HINSTANCE module_;
};

}  // namespace z8
