// A whole A4 300-dpi colour scan from the emulator over a pseudo-terminal,
// through the scanning session and the POSIX serial device, against a raw
// copy of as many bytes through a pseudo-terminal in the same run, and
// against the emulator's page read with plain reads (what is left is the data
// source's own cost); and the peak memory of that scan against its page.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/imaging/bench_support.h"
#include "device/frame.h"
#include "device/serial_device_posix.h"
#include "platform/posix/clock_posix.h"
#include "tests/unit/scanning/session_rig.h"
#include "tools/emulator/pty_emulator.h"
#include "twain/twain.h"

using namespace z8;

namespace {

// The POSIX device, counting the bytes read from the line.
class CountingDevice final : public SerialDevice {
public:
    explicit CountingDevice(SerialDevice& device) : device_(device) {}
    bool Open(const std::string& name) override { return device_.Open(name); }
    void Close() override { device_.Close(); }
    bool SetTimeouts(const SerialTimeouts& timeouts) override {
        return device_.SetTimeouts(timeouts);
    }
    bool Purge() override { return device_.Purge(); }
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override {
        const bool ok = device_.Read(buffer, count, transferred);
        bytesRead += transferred;
        return ok;
    }
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) override {
        return device_.Write(buffer, count, transferred);
    }
    uint64_t bytesRead = 0;

private:
    SerialDevice& device_;
};

// A field of /proc/self/status in bytes (VmRSS: resident now, VmHWM: the
// peak since the last reset).
uint64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    uint64_t kilobytes = 0;
    while (status >> name) {
        if (name == field + ":" && status >> kilobytes) return kilobytes * 1024;
    }
    return 0;
}

// The peak becomes what is resident now.
bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

// Moves `bytes` through a fresh raw pseudo-terminal, written to the master
// as the emulator writes, read from the slave as fast as it comes. False when
// the pseudo-terminal cannot be had or the copy breaks.
bool RawPtyCopy(uint64_t bytes) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return false;
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    bool ok = slave >= 0 && tcgetattr(slave, &mode) == 0;
    cfmakeraw(&mode);
    ok = ok && tcsetattr(slave, TCSANOW, &mode) == 0;
    std::atomic<bool> reading{ok};
    std::thread writer([&] {
        const std::vector<uint8_t> frame(66000, 0x5A);
        for (uint64_t sent = 0; reading && sent < bytes;) {
            const ssize_t put =
                write(master, frame.data(), std::min<uint64_t>(bytes - sent, frame.size()));
            if (put > 0) {
                sent += static_cast<uint64_t>(put);
            } else {
                pollfd p{master, POLLOUT, 0};
                poll(&p, 1, 100);
            }
        }
    });
    std::vector<uint8_t> buffer(66000);
    for (uint64_t got = 0; ok && got < bytes;) {
        const ssize_t read = ::read(slave, buffer.data(), buffer.size());
        ok = read > 0;
        got += ok ? static_cast<uint64_t>(read) : 0;
    }
    reading = false;
    writer.join();
    if (slave >= 0) close(slave);
    close(master);
    return ok;
}

// The emulator's answer to `block` read from its line with plain reads, its
// frames followed only to find the end of the page: the same line and the
// same scanner without the data source. False when the line fails.
bool RawEmulatorPage(const std::string& path, const ScanParameterBlock& block) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    // Reads that wait for a byte (the serial device leaves the line
    // answering at once).
    termios mode{};
    bool ok = tcgetattr(fd, &mode) == 0;
    cfmakeraw(&mode);
    ok = ok && tcsetattr(fd, TCSANOW, &mode) == 0;
    const auto header = EncodeHeader({CMD_SET_PARAMETERS, kScanParameterBlockSize});
    const auto payload = EncodeBlock(block);
    ok = ok && write(fd, header.data(), header.size()) == static_cast<ssize_t>(header.size()) &&
         write(fd, payload.data(), payload.size()) == static_cast<ssize_t>(payload.size());
    std::vector<uint8_t> buffer(66000);
    std::vector<uint8_t> pending;  // the start of a header cut by a read
    uint64_t skip = 0;             // payload bytes still to come
    bool end = false;              // the end of the page has begun
    while (ok && !(end && skip == 0)) {
        const ssize_t got = read(fd, buffer.data(), buffer.size());
        ok = got > 0;
        for (ssize_t at = 0; ok && at < got;) {
            const uint64_t passed = std::min<uint64_t>(skip, static_cast<uint64_t>(got - at));
            skip -= passed;
            at += static_cast<ssize_t>(passed);
            for (; at < got && pending.size() < kHeaderSize; ++at)
                pending.push_back(buffer[at]);
            if (pending.size() == kHeaderSize) {
                const FrameHeader frame = DecodeHeader(
                    std::span<const uint8_t, kHeaderSize>(pending.data(), kHeaderSize));
                end = frame.code == kReplyEndOfPage;
                skip = frame.length;
                pending.clear();
            }
        }
    }
    close(fd);
    return ok;
}

double Megabytes(uint64_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main() {
    const std::string folder = bench::ScratchFolder();
    emu::Script script;
    script.link = folder + "/com1";
    script.idleTimeout = 0;
    emu::PtyEmulator emulator(script);
    std::string error;
    if (!emulator.Open(error)) {
        std::fprintf(stderr, "emulator: %s\n", error.c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread emulation([&] { emulator.Run(stop); });

    PosixClock clock;
    PosixSerialDevice posix(clock, folder);
    CountingDevice device(posix);
    test::FakePaths paths(folder);
    IniProfileStore store(folder);
    test::FakeRegistry registry;
    registry.SetNumber(kPortKeyNt, kPortValue, 1);
    test::CountingPump pump;
    GlobalMemoryTable memory;
    const test::FakeStringTable strings = test::SessionTexts();
    ScanningSession session(
        ScanningPlatform{paths, store, device, registry, pump, clock, memory, strings});
    session.StartUp();
    session.Settings().SetPixelType(TWPT_RGB);
    session.Settings().SetXResolutionDpi(300);
    session.Settings().SetYResolutionDpi(300);

    // The Scan command's steps over the whole A4 area.
    bool ok = true;
    const auto scan = [&] {
        ok = session.Link().Open() && ok;
        session.PrepareScan();
        ok = session.RunAcquisition(true) == kScanSucceeded && ok;
        session.Link().Close();
        ok = session.Job().acquired.image != nullptr && ok;
    };

    // Memory first: the session's first page, then its second, which starts
    // while the first is still the acquired page; both from what was
    // resident before the first.
    const uint64_t before = StatusBytes("VmRSS");
    const bool peaks = ResetPeak();
    device.bytesRead = 0;
    scan();
    const uint64_t firstPeak = StatusBytes("VmHWM") - before;
    const uint64_t lineBytes = device.bytesRead;
    const uint64_t page = session.Job().acquired.layout.totalBytes;
    ResetPeak();
    scan();
    const uint64_t secondPeak = StatusBytes("VmHWM") - before;

    // Turn about, so that all meet the same load of the machine.
    const ScanParameterBlock block = session.Job().scanParameters;
    double ours = 1e300, theirs = 1e300, scanner = 1e300;
    for (int round = 0; round < 5; ++round) {
        ours = std::min(ours, bench::BestMilliseconds(1, scan));
        theirs =
            std::min(theirs, bench::BestMilliseconds(1, [&] { ok = RawPtyCopy(lineBytes) && ok; }));
        scanner = std::min(scanner, bench::BestMilliseconds(1, [&] {
                               ok = RawEmulatorPage(script.link, block) && ok;
                           }));
    }
    stop = true;
    emulation.join();
    if (!ok || !peaks) {
        std::fprintf(stderr,
                     ok ? "the peak memory cannot be reset\n" : "a scan or a copy failed\n");
        return 1;
    }

    const uint32_t width = session.Job().acquired.layout.width;
    const uint32_t height = session.Job().acquired.layout.height;
    std::printf("A4 colour page %u x %u at 300 dpi: %.1f MiB on the line, DIB %.1f MiB\n", width,
                height, Megabytes(lineBytes), Megabytes(page));
    const double goal = static_cast<double>(page) * 1.3 + (10u << 20);
    std::printf("goals: time ratio 1.25 or less; peak at most 1.3 x DIB + 10 MiB = %.1f MiB\n",
                Megabytes(static_cast<uint64_t>(goal)));
    bench::Report("scan over a pty (session)", ours, "raw copy through a pty", theirs);
    bench::Report("scan over a pty (session)", ours, "the emulator's page read raw", scanner);
    std::printf("%-34s %9.1f MiB   %-30s %9.1f MiB   ratio %6.2f\n", "peak memory, first page",
                Megabytes(firstPeak), "goal", Megabytes(static_cast<uint64_t>(goal)),
                static_cast<double>(firstPeak) / goal);
    std::printf("%-34s %9.1f MiB   %-30s %9.1f MiB   ratio %6.2f\n", "peak memory, second page",
                Megabytes(secondPeak), "goal", Megabytes(static_cast<uint64_t>(goal)),
                static_cast<double>(secondPeak) / goal);
    return 0;
}
