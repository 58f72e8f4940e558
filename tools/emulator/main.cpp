// z8emu: the scanner on a pseudo-terminal, for tests and the demo.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/emulator/emulator_script.h"
#include "tools/emulator/pty_emulator.h"

namespace {

std::atomic<bool> stopRequested{false};

void OnSignal(int) {
    stopRequested.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = z8::emu::ParseArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok || parsed.help) {
        if (!parsed.ok) {
            std::fprintf(stderr, "z8emu: %s\n", parsed.error.c_str());
        }
        std::fputs(z8::emu::Usage(), parsed.ok ? stdout : stderr);
        return parsed.ok ? 0 : 2;
    }
    static_assert(std::atomic<bool>::is_always_lock_free);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    z8::emu::PtyEmulator emulator(parsed.script);
    std::string error;
    if (!emulator.Open(error)) {
        std::fprintf(stderr, "z8emu: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", emulator.SlavePath().c_str());
    std::fflush(stdout);
    switch (emulator.Run(stopRequested)) {
        case z8::emu::RunEnd::Idle:
            std::fprintf(stderr, "z8emu: no traffic for %u s, exiting\n",
                         parsed.script.idleTimeout);
            return 0;
        case z8::emu::RunEnd::Failed:
            std::fprintf(stderr, "z8emu: the pseudo-terminal failed\n");
            return 1;
        default:
            return 0;
    }
}
