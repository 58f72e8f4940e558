// z8emu as a program: its slave path, its symlink, and how it ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/unit/device/running_emulator.h"

extern char** environ;

namespace z8 {
namespace {

namespace fs = std::filesystem;

// z8emu started with its output on a pipe.
class Program {
public:
    explicit Program(std::vector<std::string> args) {
        args.insert(args.begin(), Z8EMU_PATH);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        int pipe_[2];
        EXPECT_EQ(pipe(pipe_), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe_[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipe_[0]);
        EXPECT_EQ(posix_spawn(&pid_, Z8EMU_PATH, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(pipe_[1]);
        output_ = fdopen(pipe_[0], "r");
    }
    ~Program() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        std::fclose(output_);
    }
    std::string FirstLine() {
        char line[256] = {};
        if (std::fgets(line, sizeof line, output_) == nullptr) {
            return "";
        }
        std::string text(line);
        return text.substr(0, text.find('\n'));
    }
    void Signal(int signal) { kill(pid_, signal); }
    // The exit code, or -1 when it has not exited within the limit.
    int Wait(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t pid_ = 0;
    std::FILE* output_ = nullptr;
};

TEST(EmulatorProgramTest, PrintsTheSlaveKeepsTheLinkAndEndsCleanlyOnSigterm) {
    test::TempFolder folder;
    const std::string link = folder.Path() + "/com1";
    // A stale link from an emulator that was killed is replaced.
    fs::create_symlink("/dev/null", link);
    Program program({"--link", link, "--idle-timeout", "60"});
    const std::string slave = program.FirstLine();
    EXPECT_TRUE(slave.starts_with("/dev/pts/")) << slave;
    EXPECT_EQ(fs::read_symlink(link), slave);
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(std::chrono::seconds(2)), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(EmulatorProgramTest, EndsByItselfAfterItsIdleTimeout) {
    test::TempFolder folder;
    const std::string link = folder.Path() + "/com1";
    Program program({"--link", link, "--idle-timeout", "1"});
    EXPECT_FALSE(program.FirstLine().empty());
    EXPECT_EQ(program.Wait(std::chrono::seconds(5)), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(EmulatorProgramTest, RefusesToReplaceAFileThatIsNotALink) {
    test::TempFolder folder;
    const std::string file = folder.Path() + "/precious";
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fclose(f);
    Program program({"--link", file});
    EXPECT_EQ(program.FirstLine(), "");
    EXPECT_EQ(program.Wait(std::chrono::seconds(2)), 1);
    EXPECT_TRUE(fs::is_regular_file(file));
}

TEST(EmulatorProgramTest, BadCommandLineExitsWithUsage) {
    Program program({"--fault", "fire"});
    EXPECT_EQ(program.Wait(std::chrono::seconds(2)), 2);
}

}  // namespace
}  // namespace z8
