#include "ui/message_thread.h"

#include <memory>

#include "resources/control_ids.h"
#include "ui/framework/module_state.h"

namespace z8::ui {

CMessageThread::~CMessageThread() = default;

bool CMessageThread::InitInstance() {
    return dialog_.Create(ResourceModule(), res::kProgressTemplate, nullptr) != nullptr;
}

DWORD CMessageThread::ExitInstance() {
    // Texts still queued own their copies: free them with the window.
    MSG msg;
    while (PeekMessageA(&msg, dialog_.hwnd(), kMsgSetText, kMsgSetText, PM_REMOVE)) {
        delete reinterpret_cast<std::string*>(msg.wParam);
    }
    dialog_.Destroy();
    return 1;
}

void CMessageThread::Post(UINT message, WPARAM wParam) {
    PostMessageA(dialog_.hwnd(), message, wParam, 0);
}

void CMessageThread::SetMessage(const std::string& text) {
    // Each message carries its own copy, so a second text cannot replace the
    // first before the dialog has shown it, and texts keep their order.
    auto copy = std::make_unique<std::string>(text);
    if (PostMessageA(dialog_.hwnd(), kMsgSetText, reinterpret_cast<WPARAM>(copy.get()), 0)) {
        copy.release();
    }
}

void CMessageThread::SetProgress(int position) {
    Post(kMsgSetPosition, static_cast<WPARAM>(position));
}
void CMessageThread::StartAnimation() {
    Post(kMsgStartAnimation, 0);
}
void CMessageThread::StopAnimation() {
    Post(kMsgStopAnimation, 0);
}
void CMessageThread::QuitThread() {
    Post(kMsgQuit, 0);
}

void CMessageThread::ShowProgress(int showCommand) {
    if (showCommand == SW_HIDE) {
        StopAnimation();
        SetProgress(0);
        SetMessage("");
        ShowWindow(dialog_.hwnd(), SW_HIDE);
    } else if (showCommand == SW_SHOW) {
        StartAnimation();
        ShowWindow(dialog_.hwnd(), SW_SHOW);
    } else {
        ShowWindow(dialog_.hwnd(), showCommand);
    }
}

}  // namespace z8::ui
