#include "device/startup_query.h"

#include "device/scan_status.h"
#include "device/scanner_protocol.h"

namespace z8 {

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
        current.feederSupport = static_cast<uint16_t>(kFeederAbsent + feeder);
    }
    const bool hasFeeder = current.feederSupport != kFeederAbsent;
    if (current.flatbedSupport != kFlatbedAbsent) {
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
    if (ApplyStartupAnswers(answers, current).feederSupport != kFeederAbsent) {
        uint8_t status = 0;
        if (ReadStatus(port, status) == 1) {
            answers.status = status;
        }
    }
    return answers;
}

DeviceSetup CurrentDeviceSetup(const CScanSettings& settings) {
    return {settings.FlatbedSupport(), settings.FeederSupport(), settings.DocumentSource(),
            settings.PaperLoaded()};
}

void StoreDeviceSetup(const DeviceSetup& setup, CScanSettings& settings) {
    settings.SetFlatbedSupport(setup.flatbedSupport);
    settings.SetFeederSupport(setup.feederSupport);
    settings.SetDocumentSource(setup.documentSource);
    settings.SetPaperLoaded(setup.paperLoaded);
}

}  // namespace z8
