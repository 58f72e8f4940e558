#include "scanning/startup_setup.h"

#include "device/scan_status.h"

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
