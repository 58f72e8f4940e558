#pragma once

#include <optional>
#include <string>

#include "platform/local_clock.h"
#include "platform/profile_store.h"

namespace z8 {

// What the launcher's start-up asks of the system.
class LauncherSystem {
public:
    virtual ~LauncherSystem() = default;
    // Empty when unknown.
    virtual std::string WindowsDirectory() = 0;
    virtual std::string ModuleFileName() = 0;
    // A failure is ignored.
    virtual void ChangeDirectory(const std::string& path) = 0;
    virtual std::optional<std::string> UserLanguageIdText() = 0;
    // Starts the command line and waits for the program to end; false when it
    // cannot be started.
    virtual bool RunAndWait(const std::string& commandLine) = 0;
    virtual ProfileStore& Profiles() = 0;
};

// The launcher's whole run: opens "Launcher.htm" in the Windows directory as
// the current log, reads "Execute_<language>" from section LAUNCHER of the
// settings file beside the program, starts that command line from the
// program's folder and waits for it. The result is what the application
// object reports to the framework: true only when the key could not be read.
bool RunLauncherStartup(LauncherSystem& system, const std::string& settingsFileName,
                        const LocalClock& clock = SystemLocalClock());

}  // namespace z8
