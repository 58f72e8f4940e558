#include "device/serial_device_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <string_view>

namespace z8 {

namespace {

// "COMn" after an optional "\\.\" prefix, n decimal digits.
bool IsComName(std::string_view name) {
    if (name.starts_with("\\\\.\\")) {
        name.remove_prefix(4);
    }
    if (name.size() < 4 || !(name.substr(0, 3) == "COM" || name.substr(0, 3) == "com")) {
        return false;
    }
    return std::all_of(name.begin() + 3, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The time limit of one call in milliseconds; -1 for none.
int64_t CallLimit(uint32_t multiplier, uint32_t constant, uint32_t count) {
    const uint64_t limit = uint64_t{multiplier} * count + constant;
    return limit == 0 ? -1 : static_cast<int64_t>(limit);
}

// Moves bytes with one system call at a time until count moved, the limit
// expired or the line failed.
template <class Move>
bool Transfer(Clock& clock, int fd, short event, uint32_t count, int64_t limit,
              uint32_t& transferred, Move move) {
    transferred = 0;
    const uint32_t start = clock.TickCount();
    while (transferred < count) {
        int wait = -1;
        if (limit >= 0) {
            const int64_t elapsed = static_cast<uint32_t>(clock.TickCount() - start);
            if (elapsed >= limit) {
                return true;
            }
            wait = static_cast<int>(std::min<int64_t>(limit - elapsed, INT_MAX));
        }
        pollfd p{fd, event, 0};
        const int ready = poll(&p, 1, wait);
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (ready <= 0) {
            continue;
        }
        const ssize_t moved = move(transferred, count - transferred);
        if (moved > 0) {
            transferred += static_cast<uint32_t>(moved);
        } else if (moved == 0 || (errno != EAGAIN && errno != EINTR)) {
            return false;  // hung up
        }
    }
    return true;
}

}  // namespace

std::string PortPath(const std::string& name, const std::string& devicesFolder) {
    if (!IsComName(name)) {
        return name;
    }
    std::string file = name.substr(name.find_first_of("Cc"));
    std::transform(file.begin(), file.end(), file.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return devicesFolder + "/" + file;
}

PosixSerialDevice::PosixSerialDevice(Clock& clock, std::string devicesFolder)
    : clock_(clock), devicesFolder_(std::move(devicesFolder)) {}

PosixSerialDevice::~PosixSerialDevice() {
    Close();
}

bool PosixSerialDevice::Open(const std::string& name) {
    if (fd_ >= 0 || name.empty()) {
        return false;
    }
    const int fd =
        open(PortPath(name, devicesFolder_).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    termios mode{};
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || tcgetattr(fd, &mode) != 0) {
        close(fd);
        return false;
    }
    mode.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                           ICRNL | IXON | IXOFF | IXANY);
    mode.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    mode.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    mode.c_cflag |= CREAD | CLOCAL;
    mode.c_cc[VMIN] = 0;
    mode.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &mode) != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void PosixSerialDevice::Close() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
}

bool PosixSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    if (fd_ < 0 || timeouts.readIntervalTimeout != 0) {
        return false;
    }
    timeouts_ = timeouts;
    return true;
}

bool PosixSerialDevice::Purge() {
    return fd_ >= 0 && tcflush(fd_, TCIOFLUSH) == 0;
}

bool PosixSerialDevice::Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (fd_ < 0) {
        return false;
    }
    const int64_t limit =
        CallLimit(timeouts_.readTotalTimeoutMultiplier, timeouts_.readTotalTimeoutConstant, count);
    return Transfer(
        clock_, fd_, POLLIN, count, limit, transferred,
        [&](uint32_t offset, uint32_t left) { return read(fd_, buffer + offset, left); });
}

bool PosixSerialDevice::Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    transferred = 0;
    if (fd_ < 0) {
        return false;
    }
    const int64_t limit = CallLimit(timeouts_.writeTotalTimeoutMultiplier,
                                    timeouts_.writeTotalTimeoutConstant, count);
    return Transfer(
        clock_, fd_, POLLOUT, count, limit, transferred,
        [&](uint32_t offset, uint32_t left) { return write(fd_, buffer + offset, left); });
}

}  // namespace z8
