#include "datasource/source_ui_win32.h"

#include <commctrl.h>

#include "resources/control_ids.h"
#include "ui/framework/application.h"
#include "ui/framework/module_state.h"
#include "ui/large_layout.h"

namespace z8 {

Win32SourceUi::~Win32SourceUi() {
    // Only an unload without MSG_DISABLEDS gets here with a thread: it is told
    // to end but not waited for (that would hold the loader lock), and its
    // object stays with it.
    if (thread_ != nullptr) {
        session_.AttachProgress(nullptr);
        thread_->QuitThread();
        static_cast<void>(thread_.release());
    }
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

bool Win32SourceUi::CreateDialogWindow() {
    EnableDialogControls();
    return dialog_.Create(ui::ResourceModule(), res::kScannerDialogTemplate, nullptr) != nullptr;
}

bool Win32SourceUi::StartMessageThread() {
    auto thread = std::make_unique<ui::CMessageThread>();
    if (!thread->Start()) return false;
    thread_ = std::move(thread);
    session_.AttachProgress(thread_.get());
    return true;
}

void Win32SourceUi::ShowDialog() {
    HWND window = dialog_.hwnd();
    ShowWindow(window, SW_SHOW);
    ShowWindow(window, SW_RESTORE);
    RECT feeder{};
    GetWindowRect(dialog_.Item(res::kFeederButton), &feeder);
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
    session_.AttachProgress(nullptr);
    thread_->QuitThread();
    // The thread only handles posted messages, so it ends promptly.
    while (thread_->ExitCode() == STILL_ACTIVE)
        Sleep(10);
    thread_.reset();
}

void Win32SourceUi::DestroyDialogWindow() {
    dialog_.Destroy();
}

}  // namespace z8
