#include "datasource/manager_modules_win32.h"

#include <windows.h>

namespace z8 {
namespace {

ManagerModule Entered(HMODULE module) {
    if (module == nullptr) return {};
    return {module, reinterpret_cast<DSMENTRYPROC>(
                        reinterpret_cast<void*>(GetProcAddress(module, "DSM_Entry")))};
}

}  // namespace

ManagerModule Win32ManagerModules::Loaded(const std::string& name) {
    return Entered(GetModuleHandleA(name.c_str()));
}

ManagerModule Win32ManagerModules::Load(const std::string& file) {
    return Entered(LoadLibraryA(file.c_str()));
}

void Win32ManagerModules::Release(const ManagerModule& module) {
    if (module.handle != nullptr) FreeLibrary(static_cast<HMODULE>(module.handle));
}

}  // namespace z8
