#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "tools/emulator/pty_emulator.h"

namespace z8::test {

// A fresh folder under the temporary directory, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The emulator playing its script on a thread of the test.
class RunningEmulator {
public:
    explicit RunningEmulator(emu::Script script);
    ~RunningEmulator();
    bool Started() const { return started_; }
    const std::string& SlavePath() const { return emulator_.SlavePath(); }
    // Stops it (if it still runs) and tells how it ended.
    emu::RunEnd Finish();

private:
    emu::PtyEmulator emulator_;
    std::atomic<bool> stop_{false};
    bool started_ = false;
    emu::RunEnd end_ = emu::RunEnd::Failed;
    std::thread thread_;
};

}  // namespace z8::test
