#include "tools/z8scan/dialog_driver.h"

#include <cstdio>

#include "tools/z8scan/dialog_checks.h"
#include "tools/z8scan/dialog_input.h"
#include "tools/z8scan/picture_file.h"
#include "tools/z8scan/source_windows.h"
#include "tools/z8scan/window_capture.h"

namespace z8scan {
namespace {

constexpr DWORD kPollMs = 20;
constexpr int kCloseMs = 5000;

// An action is taken once the pumping thread has retrieved a marker posted
// behind its messages, whichever loop retrieves it (ours, a modal dialog's, a
// message box's). A hook has no context of its own, hence these two.
std::atomic<UINT> gMarker{0};
std::atomic<unsigned> gMarkerSeen{0};

LRESULT CALLBACK SeeMarker(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == gMarker.load()) {
        gMarkerSeen.store(static_cast<unsigned>(msg->wParam));
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

const char* KindName(WindowKind kind) {
    switch (kind) {
        case WindowKind::Scanning:
            return "scanning dialog";
        case WindowKind::Parameters:
            return "image parameters window";
        case WindowKind::Progress:
            return "progress window";
        case WindowKind::Message:
            return "message box";
        case WindowKind::About:
            return "About box";
    }
    return "window";
}

std::string Seconds(int ms) {
    std::string text = std::to_string(ms / 1000);
    if (ms % 1000 != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03d", ms % 1000);
        text += fraction;
        while (text.back() == '0')
            text.pop_back();
    }
    return text + " s";
}

bool IsInput(Verb verb) {
    return verb == Verb::Click || verb == Verb::Press || verb == Verb::Select ||
           verb == Verb::SelectIndex || verb == Verb::Type || verb == Verb::Drag ||
           verb == Verb::Slide || verb == Verb::Hover || verb == Verb::ButtonDown ||
           verb == Verb::SystemCommand;
}

// A message box is closed with its OK button, or Cancel when it has none.
HWND CloseButton(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    return ok != nullptr ? ok : GetDlgItem(box, IDCANCEL);
}

}  // namespace

DialogDriver::DialogDriver(std::vector<ScriptStep> steps) : steps_(std::move(steps)) {}

DialogDriver::~DialogDriver() {
    Finish();
}

bool DialogDriver::Start() {
    pumpThread_ = GetCurrentThreadId();
    gMarker.store(RegisterWindowMessageW(L"z8scan dialog driver marker"));
    gMarkerSeen.store(0);
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, SeeMarker, nullptr, pumpThread_);
    if (hook_ == nullptr) {
        std::fprintf(stderr, "z8scan: cannot watch the message loop (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return false;
    }
    thread_ = std::thread([this] { Run(); });
    return true;
}

void DialogDriver::NoteEvent(TW_UINT16 message) {
    const int index = message - MSG_XFERREADY;
    if (index >= 0 && index < kEvents) ++arrived_[index];
}

void DialogDriver::Finish() {
    stop_.store(true);
    // The driver may be waiting for an answer from this thread: answer the
    // messages sent to it until the driver is done.
    while (thread_.joinable() && !done_.load()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (thread_.joinable()) thread_.join();
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
}

void DialogDriver::Run() {
    for (const ScriptStep& step : steps_) {
        if (stop_.load()) {
            Report("FAIL " + step.text + ": not run, the session ended");
            passed_ = false;
            continue;
        }
        std::string why;
        const bool ok = Execute(step, why);
        if (ok == step.expectFailure) passed_ = false;
        if (step.expectFailure) {
            Report(ok ? "FAIL " + step.text + ": succeeded, but the step was to fail"
                      : "ok " + step.text + " (failed as expected: " + why + ")");
        } else {
            Report(ok ? "ok " + step.text : "FAIL " + step.text + ": " + why);
        }
    }
    if (!stop_.load() && !CloseLeftovers()) passed_ = false;
    done_.store(true);
    // Wakes the event loop so that it sees the script done at once.
    PostThreadMessageW(pumpThread_, WM_NULL, 0, 0);
}

bool DialogDriver::Execute(const ScriptStep& step, std::string& why) {
    switch (step.verb) {
        case Verb::WaitWindow:
            return WaitUntil(
                step.limitMs,
                [&](int, std::string& reason) {
                    HWND found = FindSourceWindow(step.window);
                    if (found == nullptr) {
                        reason = std::string("no ") + KindName(step.window);
                        return false;
                    }
                    current_ = found;
                    return true;
                },
                why);
        case Verb::WaitGone:
            return WaitUntil(
                step.limitMs,
                [&](int, std::string& reason) {
                    const bool gone = FindSourceWindow(step.window) == nullptr;
                    if (!gone) reason = std::string("the ") + KindName(step.window) + " is shown";
                    return gone;
                },
                why);
        case Verb::Message:
        case Verb::MessageContains:
            return ExpectMessage(step, why);
        case Verb::Screenshot:
            return Screenshot(step, why);
        case Verb::WaitEvent:
            return WaitEvent(step, why);
        default:
            return IsInput(step.verb) ? Act(step, why) : Check(step, why);
    }
}

bool DialogDriver::Resolve(const ScriptStep& step, HWND& target, std::string& why) {
    target = nullptr;
    if (step.target == Target::Screen) return true;
    if (current_ == nullptr) {
        why = "no current window (wait-window first)";
        return false;
    }
    if (!IsWindow(current_)) {
        why = "the current window is gone";
        return false;
    }
    target = step.target == Target::Window ? current_ : GetDlgItem(current_, step.control);
    if (target == nullptr) why = "the window has no control " + std::to_string(step.control);
    return target != nullptr;
}

bool DialogDriver::Act(const ScriptStep& step, std::string& why) {
    HWND target = nullptr;
    if (!Resolve(step, target, why) || !PostInput(step, target, step.limitMs, why)) return false;
    // A pressed button's handler may run long (a scan), pumping only its
    // dialog's messages: the script goes on meanwhile.
    return step.verb == Verb::Press || Settle(step.limitMs, why);
}

bool DialogDriver::Check(const ScriptStep& step, std::string& why) {
    HWND target = nullptr;
    if (step.verb == Verb::Pixel && Resolve(step, target, why)) AwaitPainting(target, step.limitMs);
    auto test = [&](int left, std::string& reason) {
        HWND target = nullptr;
        return Resolve(step, target, reason) && EvaluateCheck(step, target, left, reason);
    };
    if (step.poll) return WaitUntil(step.limitMs, test, why);
    return test(step.limitMs, why);
}

bool DialogDriver::ExpectMessage(const ScriptStep& step, std::string& why) {
    HWND box = nullptr;
    const bool found = WaitUntil(
        step.limitMs,
        [&](int, std::string& reason) {
            box = FindSourceWindow(WindowKind::Message);
            if (box == nullptr) reason = "no message box";
            return box != nullptr;
        },
        why);
    if (!found) return false;
    std::string text;
    bool ok = ReadWindowText(GetDlgItem(box, 0xFFFF), step.limitMs, text);
    if (!ok) {
        why = "the message box did not answer";
    } else {
        const std::string& want = step.words[0];
        ok = step.verb == Verb::Message ? text == want : text.find(want) != std::string::npos;
        if (!ok) why = "the message is " + Quoted(text);
    }
    // Closed in any case, so that the steps after it are not held up.
    std::string closing;
    if (!PostMessageW(CloseButton(box), BM_CLICK, 0, 0) ||
        !WaitUntil(
            step.limitMs,
            [&](int, std::string& reason) {
                reason = "the message box stays open";
                return !IsWindow(box) || !IsWindowVisible(box);
            },
            closing)) {
        why = ok ? closing : why + "; " + closing;
        return false;
    }
    return ok;
}

bool DialogDriver::Screenshot(const ScriptStep& step, std::string& why) {
    HWND target = nullptr;
    Picture picture;
    if (!Resolve(step, target, why)) return false;
    AwaitPainting(target != nullptr ? target : current_, step.limitMs);
    return CapturePicture(target, picture, why) &&
           WriteWholeFile(step.words[0], EncodePicture(picture, *PictureFormatFor(step.words[0])),
                          why);
}

bool DialogDriver::WaitEvent(const ScriptStep& step, std::string& why) {
    const int index = step.event - MSG_XFERREADY;
    const bool ok = WaitUntil(
        step.limitMs,
        [&](int, std::string& reason) {
            reason = "the event has not come";
            return arrived_[index].load() > consumed_[index];
        },
        why);
    if (ok) ++consumed_[index];
    return ok;
}

bool DialogDriver::Settle(int limitMs, std::string& why) {
    const unsigned ticket = ++ticket_;
    if (!PostThreadMessageW(pumpThread_, gMarker.load(), ticket, 0)) {
        why = "cannot reach the message loop";
        return false;
    }
    return WaitUntil(
        limitMs,
        [&](int, std::string& reason) {
            reason = "the application did not take the messages";
            return gMarkerSeen.load() >= ticket;
        },
        why);
}

// Pixels are read once the window's thread has painted what it has to; a
// thread that stays busy is not waited for beyond the limit.
void DialogDriver::AwaitPainting(HWND window, int limitMs) {
    if (window == nullptr) return;
    std::string ignored;
    WaitUntil(
        limitMs, [&](int, std::string&) { return !PaintPending(window); }, ignored);
}

// A script leaves no modal window of the source open: the session could not
// end while one runs its own loop.
bool DialogDriver::CloseLeftovers() {
    bool clean = true;
    for (const WindowKind kind : {WindowKind::Message, WindowKind::About, WindowKind::Parameters}) {
        HWND window = FindSourceWindow(kind);
        if (window == nullptr) continue;
        clean = false;
        std::string text;
        if (kind == WindowKind::Message) ReadWindowText(GetDlgItem(window, 0xFFFF), kCloseMs, text);
        Report(std::string("FAIL end of script: a ") + KindName(kind) + " is left open" +
               (text.empty() ? "" : ": " + Quoted(text)));
        PostMessageW(
            kind == WindowKind::Parameters ? GetDlgItem(window, IDCANCEL) : CloseButton(window),
            BM_CLICK, 0, 0);
        std::string ignored;
        WaitUntil(
            kCloseMs, [&](int, std::string&) { return !IsWindowVisible(window); }, ignored);
    }
    return clean;
}

template <typename Test>
bool DialogDriver::WaitUntil(int limitMs, Test test, std::string& why) {
    const DWORD start = GetTickCount();
    while (true) {
        const int waited = static_cast<int>(GetTickCount() - start);
        if (test(waited < limitMs ? limitMs - waited : 1, why)) return true;
        if (stop_.load()) {
            why += " (the session ended)";
            return false;
        }
        if (waited >= limitMs) {
            why += " (waited " + Seconds(limitMs) + ")";
            return false;
        }
        Sleep(kPollMs);
    }
}

void DialogDriver::Report(const std::string& line) {
    const std::string text = line + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace z8scan
