// QXLauncher: a program without a window. Its application object does the
// whole run in InitInstance, and the process ends when it returns.
#include <windows.h>

#include "launcher/launcher_startup.h"
#include "launcher/profile_file_win32.h"
#include "platform/module_path.h"
#include "platform/process_runner.h"
#include "platform/user_locale.h"
#include "ui/framework/application.h"

namespace z8 {
namespace {

class Win32LauncherSystem final : public LauncherSystem {
public:
    std::string WindowsDirectory() override {
        char folder[MAX_PATH];
        const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
        return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
    }
    std::string ModuleFileName() override { return ModuleFilePath(); }
    void ChangeDirectory(const std::string& path) override { SetCurrentDirectoryA(path.c_str()); }
    std::optional<std::string> UserLanguageIdText() override { return z8::UserLanguageIdText(); }
    bool RunAndWait(const std::string& commandLine) override {
        return RunProcessAndWait(commandLine);
    }
    ProfileStore& Profiles() override { return profiles_; }

private:
    Win32ProfileFile profiles_;
};

class CLauncherApp final : public CApplication {
public:
    bool InitInstance() override {
        EnableDialogControls();
        Win32LauncherSystem system;
        return RunLauncherStartup(system, ProfileName());
    }
};

CLauncherApp theApp;

}  // namespace
}  // namespace z8

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return z8::ApplicationWinMain(instance);
}
