#pragma once

#include <windows.h>

namespace z8::ui {

// A thread with its own message loop and main window. Start returns once the
// thread's initialisation has run, so that messages posted right after it
// reach a window that exists. The thread holds a reference on the module its
// code lives in and drops it as it exits, so a library cannot be unloaded
// (nor its detach wait for the thread under the loader lock) while it runs.
class UiThread {
public:
    UiThread() = default;
    virtual ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    bool Start();
    // STILL_ACTIVE while the thread runs.
    DWORD ExitCode() const;
    HANDLE handle() const { return thread_; }

protected:
    // In the new thread: create the main window; false ends the thread at once.
    virtual bool InitInstance() = 0;
    // In the new thread, after the loop; the thread's exit code.
    virtual DWORD ExitInstance() { return 1; }
    // The main window's dialog messages are routed through IsDialogMessage.
    virtual HWND MainWindow() const = 0;

private:
    static DWORD WINAPI Main(LPVOID self);
    DWORD Run();

    HANDLE thread_ = nullptr;
    HANDLE started_ = nullptr;
    HMODULE module_ = nullptr;
    bool initialised_ = false;
};

}  // namespace z8::ui
