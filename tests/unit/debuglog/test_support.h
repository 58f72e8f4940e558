#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "debuglog/debug.h"
#include "debuglog/log_write.h"
#include "platform/local_clock.h"

namespace z8::test {

// Always the same moment: 7 March 2024, 09:05:07.042.
class FixedClock final : public LocalClock {
public:
    LocalTime Now() const override { return now; }
    LocalTime now{2024, 3, 7, 9, 5, 7, 42};
};

// A sink that keeps what it is given.
class RecordingSink final : public CDebug {
public:
    RecordingSink() = default;
    RecordingSink(MutexSystem& mutexes, Clock& clock) : CDebug(mutexes, clock) {}
    bool Write(int severity, std::string_view text) override {
        lines.emplace_back(severity, std::string(text));
        return result;
    }
    std::vector<std::pair<int, std::string>> lines;
    bool result = true;
};

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "z8log-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Puts the process-wide level and current log back after a test.
class LogStateGuard {
public:
    LogStateGuard() : level_(GetLogLevel()), current_(GetCurrentLog()) {}
    ~LogStateGuard() {
        SetLogLevel(level_);
        SetCurrentLog(current_);
    }

private:
    int level_;
    CDebug* current_;
};

}  // namespace z8::test
