#include "launcher/launcher_startup.h"

#include "debuglog/debug_html.h"
#include "debuglog/log_write.h"
#include "launcher/profile_section.h"
#include "launcher/regional_settings.h"
#include "platform/path_parts.h"
#include "platform/process_runner.h"

namespace z8 {
namespace {

constexpr char kSection[] = "LAUNCHER";

// Makes a log the current one for a scope, and puts the previous one back
// before the log is destroyed: the current log never dangles.
class CurrentLogScope {
public:
    explicit CurrentLogScope(CDebug* log) : previous_(GetCurrentLog()) { SetCurrentLog(log); }
    ~CurrentLogScope() { SetCurrentLog(previous_); }
    CurrentLogScope(const CurrentLogScope&) = delete;
    CurrentLogScope& operator=(const CurrentLogScope&) = delete;

private:
    CDebug* previous_;
};

}  // namespace

bool RunLauncherStartup(LauncherSystem& system, const std::string& settingsFileName,
                        const LocalClock& clock) {
    CDebugHtml log(clock);
    log.Open(JoinPath(system.WindowsDirectory(), "Launcher.htm"), true);
    CurrentLogScope current(&log);
    SetLogLevel(4);
    LogTrace(GetCurrentLog(), "QXLauncher started...");

    const PathParts module = SplitPath(system.ModuleFileName());
    const std::string folder = TrimTrailingBackslashes(module.folder);
    if (!folder.empty()) {
        system.ChangeDirectory(folder);
    }
    const std::string base = module.drive + folder;
    CProfileSection settings(system.Profiles(), JoinPath(base, settingsFileName));
    settings.SetSection(kSection);

    const std::string key =
        std::string("Execute_") + GetRegionalSettings(system.UserLanguageIdText());
    std::string value;
    if (!settings.ReadString(key, value)) {
        LogWrite(GetCurrentLog(), ERR, "Failed to read section %s in file %s", kSection,
                 settingsFileName.c_str());
        return true;
    }

    const std::string commandLine = base + value;
    LogTrace(GetCurrentLog(), "CreateProcess( %s )", commandLine.c_str());
    // A command line too long for the system's buffer is refused, never cut.
    if (commandLine.size() < kMaxCommandLine && system.RunAndWait(commandLine)) {
        LogTrace(GetCurrentLog(), "Leaving");
    } else {
        LogTrace(GetCurrentLog(), "CreateProcess() failed");
    }
    return false;
}

}  // namespace z8
