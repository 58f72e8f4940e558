#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "tools/emulator/emulator_script.h"

namespace z8::emu {

// How a run ended.
enum class RunEnd {
    Stopped,  // the stop flag was raised
    Idle,     // no traffic for the idle timeout
    HungUp,   // the script hung up the line
    Failed,   // the pseudo-terminal failed
};

// The scanner on a pseudo-terminal: the data source opens the slave side (or
// the symlink to it) as its serial port. Requests are answered by a
// ScannerModel; the line is throttled, split and faulted as scripted. The master is
// non-blocking and every wait is bounded, so the stop flag is seen within
// 50 ms whatever the other side does.
class PtyEmulator {
public:
    explicit PtyEmulator(Script script);
    ~PtyEmulator();
    PtyEmulator(const PtyEmulator&) = delete;
    PtyEmulator& operator=(const PtyEmulator&) = delete;

    // Creates the pseudo-terminal (raw), the symlink (replacing an older
    // symlink, never another file) and opens the transcript.
    bool Open(std::string& error);
    const std::string& SlavePath() const { return slavePath_; }

    // Plays the scanner until the stop flag, the idle timeout or a hang-up.
    // Closes the line and removes the symlink before it returns.
    RunEnd Run(const std::atomic<bool>& stop);

private:
    void Log(const std::string& line);
    void AwaitReader(const std::atomic<bool>& stop);
    void CloseLine();

    Script script_;
    int master_ = -1;
    int slave_ = -1;  // held open so that the master never sees a hang-up
    std::string slavePath_;
    bool linked_ = false;
    std::FILE* transcript_ = nullptr;
};

}  // namespace z8::emu
