#include "tests/unit/device/running_emulator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace z8::test {

TempFolder::TempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/z8dev.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

RunningEmulator::RunningEmulator(emu::Script script) : emulator_(std::move(script)) {
    std::string error;
    started_ = emulator_.Open(error);
    if (!started_) {
        ADD_FAILURE() << "emulator: " << error;
        return;
    }
    thread_ = std::thread([this] { end_ = emulator_.Run(stop_); });
}

RunningEmulator::~RunningEmulator() {
    Finish();
}

emu::RunEnd RunningEmulator::Finish() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    return end_;
}

}  // namespace z8::test
