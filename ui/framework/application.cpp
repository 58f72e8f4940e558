#include "ui/framework/application.h"

#include <commctrl.h>

#include "platform/path_parts.h"
#include "platform/win32/module_path_win32.h"

namespace z8 {
namespace {

CApplication* g_application = nullptr;

}  // namespace

CApplication::CApplication() {
    g_application = this;
}

CApplication::~CApplication() {
    if (g_application == this) {
        g_application = nullptr;
    }
}

CApplication* CApplication::Current() {
    return g_application;
}

void CApplication::AttachModule(HINSTANCE instance) {
    instance_ = instance;
    modulePath_ = ModuleFilePathOf(instance);
    profileName_ = SplitPath(modulePath_).name + ".INI";
}

void EnableDialogControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}

int ApplicationWinMain(HINSTANCE instance) {
    CApplication* application = CApplication::Current();
    if (application == nullptr) {
        return 1;
    }
    try {
        application->AttachModule(instance);
        if (!application->InitInstance()) {
            return application->ExitInstance();
        }
        return application->Run();
    } catch (...) {
        return 1;
    }
}

}  // namespace z8
