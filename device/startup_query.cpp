#include "device/startup_query.h"

#include "device/scanner_protocol.h"

namespace z8 {

StartupAnswers QueryScanner(CSerialPort& port, bool knownFeeder) {
    StartupAnswers answers;
    std::array<uint8_t, 2> abilities{};
    if (Inquire(port, abilities) != 1) {
        return answers;
    }
    answers.abilities = abilities;
    const uint8_t feeder = abilities[0];
    const bool hasFeeder = feeder <= 2 ? feeder != 0 : knownFeeder;
    if (hasFeeder) {
        uint8_t status = 0;
        if (ReadStatus(port, status) == 1) {
            answers.status = status;
        }
    }
    return answers;
}

}  // namespace z8
