#include "tools/emulator/pty_emulator.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>
#include <vector>

#include "device/frame.h"
#include "tools/emulator/line_pattern.h"
#include "tools/emulator/scanner_model.h"
#include "tools/emulator/transcript.h"

namespace z8::emu {

namespace {

constexpr int kPollMs = 50;
// The largest write of a throttled line, so its bytes spread over time.
constexpr size_t kWriteChunk = 4096;

using Clock = std::chrono::steady_clock;

int64_t MsSince(Clock::time_point start, Clock::time_point now) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count();
}

}  // namespace

PtyEmulator::PtyEmulator(Script script) : script_(std::move(script)) {}

PtyEmulator::~PtyEmulator() {
    CloseLine();
    if (transcript_ != nullptr && transcript_ != stderr) {
        std::fclose(transcript_);
    }
}

bool PtyEmulator::Open(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = "cannot create a pseudo-terminal";
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        error = "cannot name the pseudo-terminal";
        return false;
    }
    slavePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    if (slave_ < 0 || tcgetattr(slave_, &mode) != 0) {
        error = "cannot open " + slavePath_;
        return false;
    }
    cfmakeraw(&mode);
    if (tcsetattr(slave_, TCSANOW, &mode) != 0) {
        error = "cannot make " + slavePath_ + " raw";
        return false;
    }
    if (!script_.link.empty()) {
        struct stat existing {};
        if (lstat(script_.link.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
            error = script_.link + " exists and is not a symlink";
            return false;
        }
        const std::string temporary = script_.link + ".new" + std::to_string(getpid());
        unlink(temporary.c_str());
        if (symlink(slavePath_.c_str(), temporary.c_str()) != 0 ||
            rename(temporary.c_str(), script_.link.c_str()) != 0) {
            unlink(temporary.c_str());
            error = "cannot create the symlink " + script_.link;
            return false;
        }
        linked_ = true;
    }
    if (script_.transcript == "-") {
        transcript_ = stderr;
    } else if (!script_.transcript.empty()) {
        transcript_ = std::fopen(script_.transcript.c_str(), "w");
        if (transcript_ == nullptr) {
            error = "cannot write " + script_.transcript;
            return false;
        }
    }
    return true;
}

void PtyEmulator::Log(const std::string& line) {
    if (transcript_ != nullptr) {
        std::fprintf(transcript_, "%s\n", line.c_str());
        std::fflush(transcript_);
    }
}

void PtyEmulator::CloseLine() {
    if (linked_) {
        // Only our own link: another emulator may have taken the path since.
        char target[PATH_MAX];
        const ssize_t length = readlink(script_.link.c_str(), target, sizeof target - 1);
        if (length >= 0 && std::string(target, static_cast<size_t>(length)) == slavePath_) {
            unlink(script_.link.c_str());
        }
        linked_ = false;
    }
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        close(slave_);
        slave_ = -1;
    }
}

void PtyEmulator::AwaitReader(const std::atomic<bool>& stop) {
    // A line that drops loses what is still in flight; waiting until the
    // other side has read everything (the queue stays empty for 30 ms, 2 s
    // at most) puts the hang-up exactly where the script says.
    const Clock::time_point end = Clock::now() + std::chrono::seconds(2);
    int quiet = 0;
    while (!stop.load() && Clock::now() < end && quiet < 3) {
        int queued = 0;
        quiet = ioctl(slave_, FIONREAD, &queued) == 0 && queued == 0 ? quiet + 1 : 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

RunEnd PtyEmulator::Run(const std::atomic<bool>& stop) {
    ScannerModel model(script_);
    std::vector<uint8_t> input;
    std::vector<uint8_t> output;  // the frame being sent
    size_t sent = 0;
    bool hangUpAfterOutput = false;
    LinePattern pattern(script_.linePattern);
    Clock::time_point pieceDue{};  // a split line's next piece
    uint32_t framePausedMs = 0;    // the pauses of the frame being sent
    Clock::time_point stallEnd{};
    Clock::time_point lastTraffic = Clock::now();
    Clock::time_point lastRefill = lastTraffic;
    double allowance = 0;  // bytes the throttle lets through now

    while (!stop.load()) {
        const Clock::time_point now = Clock::now();
        const bool stalled = now < stallEnd;
        if (!stalled && sent == output.size()) {
            if (hangUpAfterOutput) {
                AwaitReader(stop);
                Log("-- hang-up after " + std::to_string(output.size()) + " bytes of a frame");
                CloseLine();
                return RunEnd::HungUp;
            }
            if (auto action = model.Next()) {
                if (action->kind == Action::Kind::HangUp && action->frame.empty()) {
                    AwaitReader(stop);
                    Log("-- hang-up");
                    CloseLine();
                    return RunEnd::HungUp;
                }
                hangUpAfterOutput = action->kind == Action::Kind::HangUp;
                if (action->kind == Action::Kind::Stall) {
                    Log("-- stall " + std::to_string(action->ms) + " ms");
                    stallEnd = now + std::chrono::milliseconds(action->ms);
                    lastTraffic = stallEnd;
                    continue;
                }
                output = std::move(action->frame);
                sent = 0;
                framePausedMs = 0;
            }
        }
        if (script_.bytesPerSecond != 0) {
            const double cap = std::max(1.0, script_.bytesPerSecond / 20.0);
            allowance = std::min(
                cap, allowance + script_.bytesPerSecond * MsSince(lastRefill, now) / 1000.0);
            lastRefill = now;
        }
        const bool throttled = script_.bytesPerSecond != 0 && allowance < 1;
        const bool pausing = now < pieceDue;
        const bool wantOut = !stalled && sent < output.size() && !throttled && !pausing;

        pollfd p{master_, static_cast<short>(POLLIN | (wantOut ? POLLOUT : 0)), 0};
        int wait = throttled || stalled ? 10 : kPollMs;
        if (pausing) wait = std::min<int>(wait, static_cast<int>(MsSince(now, pieceDue)) + 1);
        if (poll(&p, 1, wait) < 0 && errno != EINTR) {
            CloseLine();
            return RunEnd::Failed;
        }
        if ((p.revents & POLLIN) != 0) {
            uint8_t buffer[4096];
            const ssize_t got = read(master_, buffer, sizeof buffer);
            if (got > 0) {
                input.insert(input.end(), buffer, buffer + got);
                lastTraffic = Clock::now();
            }
        }
        while (input.size() >= kHeaderSize) {
            const FrameHeader header =
                DecodeHeader(std::span<const uint8_t, kHeaderSize>(input.data(), kHeaderSize));
            if (header.length > kLargestRequest) {
                Log("-- garbage " + std::to_string(input.size()) + " bytes dropped");
                input.clear();
                break;
            }
            if (input.size() < kHeaderSize + header.length) {
                break;
            }
            const std::span<const uint8_t> frame(input.data(), kHeaderSize + header.length);
            Log(FormatFrame(kToScanner, frame));
            model.Receive(header.code, frame.subspan(kHeaderSize));
            input.erase(input.begin(), input.begin() + static_cast<ptrdiff_t>(frame.size()));
        }
        if ((p.revents & POLLOUT) != 0 && wantOut) {
            // Unthrottled, the rest of the frame in one call: the line takes
            // what it can.
            size_t chunk = output.size() - sent;
            if (script_.bytesPerSecond != 0) {
                chunk = std::min({chunk, kWriteChunk, static_cast<size_t>(allowance)});
            }
            if (script_.splitPauseMs != 0) {
                chunk = std::min<size_t>(chunk, pattern.Between(1, kLargestSplitPiece));
            }
            const ssize_t put = write(master_, output.data() + sent, chunk);
            if (put > 0) {
                sent += static_cast<size_t>(put);
                allowance -= static_cast<double>(put);
                lastTraffic = Clock::now();
                if (sent == output.size() && !hangUpAfterOutput) {
                    Log(FormatFrame(kFromScanner, output));
                }
                if (script_.splitPauseMs != 0 && framePausedMs < kSplitPauseBudgetMs) {
                    const uint32_t pause = std::min(pattern.Between(0, script_.splitPauseMs),
                                                    kSplitPauseBudgetMs - framePausedMs);
                    framePausedMs += pause;
                    pieceDue = lastTraffic + std::chrono::milliseconds(pause);
                }
            }
        }
        if (script_.idleTimeout != 0 &&
            MsSince(lastTraffic, Clock::now()) > int64_t{script_.idleTimeout} * 1000) {
            Log("-- idle for " + std::to_string(script_.idleTimeout) + " s");
            CloseLine();
            return RunEnd::Idle;
        }
    }
    CloseLine();
    return RunEnd::Stopped;
}

}  // namespace z8::emu
