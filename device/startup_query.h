#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "device/serial_port.h"

namespace z8 {

// What the scanner answered at start-up.
struct StartupAnswers {
    // The inquiry reply's feeder and flatbed bytes; none when it failed.
    std::optional<std::array<uint8_t, 2>> abilities;
    // The status, read only when the scanner has a feeder; none otherwise or
    // when it failed. It is also the main dialog's last status.
    std::optional<uint8_t> status;
};

// Asks the scanner over the open port: the inquiry, then the status when the
// scanner has a feeder. Feeder byte 0 says there is none, 1 and 2 that there
// is one; any other byte says nothing, and knownFeeder (what was known before
// the query) decides.
StartupAnswers QueryScanner(CSerialPort& port, bool knownFeeder = false);

}  // namespace z8
