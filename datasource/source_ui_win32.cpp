#include "datasource/source_ui_win32.h"

#include <commctrl.h>

#include "datasource/large_layout.h"
#include "ui/framework/module_state.h"

namespace z8 {

Win32SourceUi::~Win32SourceUi() {
    if (thread_ != nullptr) EndMessageThread();
}

bool Win32SourceUi::ProcessEvent(TW_MEMREF message) {
    auto* msg = static_cast<MSG*>(message);
    if (!IsDialogMessageA(dialog_.hwnd(), msg)) return false;
    if (dialog_.ToolTip() != nullptr) {
        SendMessageA(dialog_.ToolTip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }
    return true;
}

void Win32SourceUi::DrainDialogMessages() {
    // Without a window a null filter would take every message of the thread.
    if (dialog_.hwnd() == nullptr) return;
    MSG msg;
    while (PeekMessageA(&msg, dialog_.hwnd(), 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32SourceUi::CreateDialogWindow() {
    dialog_.Create(ui::ResourceModule(), ui::kScannerDialogTemplate, nullptr);
}

void Win32SourceUi::StartMessageThread() {
    thread_ = std::make_unique<ui::CMessageThread>();
    if (!thread_->Start()) thread_.reset();
    dialog_.SetMessageThread(thread_.get());
}

void Win32SourceUi::RunScanCommand() {
    dialog_.Scan();
}

void Win32SourceUi::ShowDialog() {
    HWND window = dialog_.hwnd();
    ShowWindow(window, SW_SHOW);
    ShowWindow(window, SW_RESTORE);
    RECT feeder{};
    GetWindowRect(dialog_.Item(ui::kFeederButton), &feeder);
    dialog_.largeLayout = NeedsLargeLayout(feeder.bottom - feeder.top);
    if (dialog_.largeLayout) {
        RECT frame{};
        GetWindowRect(window, &frame);
        const WindowSize size =
            LargeLayoutSize({frame.right - frame.left, frame.bottom - frame.top});
        SetWindowPos(window, HWND_TOPMOST, 0, 0, size.width, size.height, SWP_NOMOVE);
    } else {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32SourceUi::HideDialog() {
    ShowWindow(dialog_.hwnd(), SW_HIDE);
}

void Win32SourceUi::EndMessageThread() {
    if (thread_ == nullptr) return;
    thread_->QuitThread();
    // The thread only handles posted messages, so it ends promptly.
    while (thread_->ExitCode() == STILL_ACTIVE)
        Sleep(10);
    dialog_.SetMessageThread(nullptr);
    thread_.reset();
}

void Win32SourceUi::DestroyDialogWindow() {
    dialog_.Destroy();
}

}  // namespace z8
