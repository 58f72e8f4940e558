#include "ui/framework/ui_thread.h"

namespace z8::ui {

UiThread::~UiThread() {
    if (thread_ != nullptr) CloseHandle(thread_);
    if (started_ != nullptr) CloseHandle(started_);
}

bool UiThread::Start() {
    started_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (started_ == nullptr) return false;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(&UiThread::Main), &module_)) {
        return false;
    }
    thread_ = CreateThread(nullptr, 0, &UiThread::Main, this, 0, nullptr);
    if (thread_ == nullptr) {
        FreeLibrary(module_);
        module_ = nullptr;
        return false;
    }
    HANDLE waits[2] = {started_, thread_};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    return initialised_;
}

DWORD UiThread::ExitCode() const {
    DWORD code = 0;
    if (thread_ == nullptr || !GetExitCodeThread(thread_, &code)) return 0;
    return code;
}

DWORD WINAPI UiThread::Main(LPVOID self) {
    auto* thread = static_cast<UiThread*>(self);
    const DWORD code = thread->Run();
    FreeLibraryAndExitThread(thread->module_, code);
}

DWORD UiThread::Run() {
    try {
        initialised_ = InitInstance();
    } catch (...) {
        initialised_ = false;
    }
    SetEvent(started_);
    if (!initialised_) return 0;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = MainWindow();
        if (main != nullptr && IsDialogMessageA(main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    try {
        return ExitInstance();
    } catch (...) {
        return 1;
    }
}

}  // namespace z8::ui
