#include "device/startup_query.h"

#include "device/scan_status.h"
#include "device/scanner_protocol.h"

namespace z8 {

namespace {

constexpr uint16_t kNoFeeder = 3;
constexpr uint16_t kNoFlatbed = 0;
constexpr uint16_t kSourceFeeder = 1;
constexpr uint16_t kSourceFlatbed = 2;

}  // namespace

DeviceSetup ApplyStartupAnswers(const StartupAnswers& answers, DeviceSetup current) {
    if (!answers.abilities) {
        return current;
    }
    const uint8_t feeder = (*answers.abilities)[0];
    const uint8_t flatbed = (*answers.abilities)[1];
    if (flatbed <= 2) {
        current.flatbedSupport = flatbed;
    }
    if (feeder <= 2) {
        current.feederSupport = static_cast<uint16_t>(kNoFeeder + feeder);
    }
    const bool hasFeeder = current.feederSupport != kNoFeeder;
    if (current.flatbedSupport != kNoFlatbed) {
        current.documentSource = kSourceFlatbed;
    } else if (hasFeeder) {
        current.documentSource = kSourceFeeder;
    }
    if (hasFeeder && answers.status == SCAN_FEUILLE_PRETE) {
        current.paperLoaded = 1;
    }
    return current;
}

StartupAnswers QueryScanner(CSerialPort& port, const DeviceSetup& current) {
    StartupAnswers answers;
    std::array<uint8_t, 2> abilities{};
    if (Inquire(port, abilities) != 1) {
        return answers;
    }
    answers.abilities = abilities;
    if (ApplyStartupAnswers(answers, current).feederSupport != kNoFeeder) {
        uint8_t status = 0;
        if (ReadStatus(port, status) == 1) {
            answers.status = status;
        }
    }
    return answers;
}

}  // namespace z8
