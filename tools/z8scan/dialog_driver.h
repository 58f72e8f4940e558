#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tools/z8scan/dialog_script.h"

namespace z8scan {

// Runs a dialog script on a thread of its own against the source's windows,
// while the thread that made it keeps pumping messages through the source.
// Prints one line per step: "ok STEP" or "FAIL STEP: reason".
class DialogDriver {
public:
    explicit DialogDriver(std::vector<ScriptStep> steps);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Called on the pumping thread. False when the driver cannot run.
    bool Start();
    // A notification the event loop received from the source.
    void NoteEvent(TW_UINT16 message);
    // The last step has run: the event loop may end.
    bool Done() const { return done_.load(); }
    // Called on the pumping thread: ends the run, also when the session ends
    // first (a waiting step gives up and the steps left are reported as not
    // run), and waits for the thread.
    void Finish();
    // Every step did as the script expected.
    bool Passed() const { return passed_; }

private:
    void Run();
    bool Execute(const ScriptStep& step, std::string& why);
    bool Resolve(const ScriptStep& step, HWND& target, std::string& why);
    bool Act(const ScriptStep& step, std::string& why);
    bool Check(const ScriptStep& step, std::string& why);
    bool ExpectMessage(const ScriptStep& step, std::string& why);
    bool Screenshot(const ScriptStep& step, std::string& why);
    bool WaitEvent(const ScriptStep& step, std::string& why);
    bool Settle(int limitMs, std::string& why);
    void AwaitPainting(HWND window, int limitMs);
    bool CloseLeftovers();
    // Polls test every 20 ms until it holds, the limit passes or the session
    // ends; test receives the time left.
    template <typename Test>
    bool WaitUntil(int limitMs, Test test, std::string& why);
    void Report(const std::string& line);

    std::vector<ScriptStep> steps_;
    DWORD pumpThread_ = 0;
    HHOOK hook_ = nullptr;
    std::thread thread_;
    std::atomic<bool> done_{false};
    std::atomic<bool> stop_{false};
    static constexpr int kEvents = 4;  // MSG_XFERREADY .. MSG_DEVICEEVENT
    std::atomic<int> arrived_[kEvents] = {};
    int consumed_[kEvents] = {};
    HWND current_ = nullptr;
    unsigned ticket_ = 0;
    bool passed_ = true;
};

}  // namespace z8scan
