#pragma once

#include <string>

#include "datasource/source_ui.h"
#include "platform/system_paths.h"

namespace z8 {

// A source manager's module as the process holds it.
struct ManagerModule {
    void* handle = nullptr;
    DSMENTRYPROC entry = nullptr;  // its DSM_Entry; null when it has none
};

// The manager libraries of the process.
class ManagerModules {
public:
    virtual ~ManagerModules() = default;
    // The module of that name if the process already has it, without loading
    // it or taking a reference; an empty handle otherwise.
    virtual ManagerModule Loaded(const std::string& name) = 0;
    // Loads a library by path, or by name through the normal search; an empty
    // handle when it cannot be loaded.
    virtual ManagerModule Load(const std::string& file) = 0;
    virtual void Release(const ManagerModule& module) = 0;
};

// Sends notifications to the manager that loaded the source: the 2.x manager
// (TWAINDSM.dll) when the process has it, since its relay of a 1.x source's
// twain_32.dll is not reliable (under Wine it leaves a half-loaded module);
// otherwise the Windows directory's twain_32.dll, else the one the normal
// search finds (a 64-bit process cannot load the 32-bit one). When no manager
// can be had nothing is sent.
class ManagerRoute final : public ManagerLink {
public:
    ManagerRoute(ManagerModules& modules, const SystemPaths& paths)
        : modules_(modules), paths_(paths) {}
    void Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) override;

private:
    ManagerModules& modules_;
    const SystemPaths& paths_;
};

}  // namespace z8
