#pragma once

#include "datasource/manager_route.h"

namespace z8 {

class Win32ManagerModules final : public ManagerModules {
public:
    ManagerModule Loaded(const std::string& name) override;
    ManagerModule Load(const std::string& file) override;
    void Release(const ManagerModule& module) override;
};

}  // namespace z8
