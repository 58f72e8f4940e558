#pragma once

#include "platform/system_paths.h"

namespace z8 {

class Win32SystemPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override;
    std::string DocumentsFolder() const override;
};

}  // namespace z8
