#pragma once

#include <windows.h>

#include <string>

namespace z8 {

// The one application object of a program or a library: the framework calls
// its InitInstance when the module starts and its ExitInstance when it ends.
// Derive from it and define one object of the derived class at namespace
// scope.
class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The object of this module, or null before it is built.
    static CApplication* Current();

    // Binds the object to its module; the framework calls it first.
    void AttachModule(HINSTANCE instance);
    HINSTANCE Instance() const { return instance_; }
    // The module's file; empty when it cannot be obtained.
    const std::string& ModulePath() const { return modulePath_; }
    // The settings file the framework names by default: the module's file
    // name without its extension, followed by ".INI".
    const std::string& ProfileName() const { return profileName_; }

    // Per-instance start. For a program, false ends it at once.
    virtual bool InitInstance() { return true; }
    // Per-instance end; for a program, its exit code.
    virtual int ExitInstance() { return 0; }
    // A program's message loop. Programs of this framework have no main
    // window, so the loop ends at once.
    virtual int Run() { return ExitInstance(); }

private:
    HINSTANCE instance_ = nullptr;
    std::string modulePath_;
    std::string profileName_;
};

// Registers the common controls that dialogs use (standard classes and the
// Windows 95 set).
void EnableDialogControls();

// The body of a program's WinMain: binds the application object to the
// program, runs InitInstance, then Run or ExitInstance. No exception leaves
// it.
int ApplicationWinMain(HINSTANCE instance);

}  // namespace z8
