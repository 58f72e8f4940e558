#pragma once

#include <windows.h>

#include "platform/string_table.h"

namespace z8 {

// LoadStringA over one module; the module may change when a resource library
// replaces the built-in texts.
class Win32StringTable final : public StringTable {
public:
    explicit Win32StringTable(HINSTANCE module) : module_(module) {}
    void SetModule(HINSTANCE module) { module_ = module; }
    HINSTANCE Module() const { return module_; }
    std::string Load(unsigned id) const override;

private:
    HINSTANCE module_;
};

}  // namespace z8
