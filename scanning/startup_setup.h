#pragma once

#include <cstdint>

#include "device/startup_query.h"
#include "settings/scan_settings.h"

namespace z8 {

// The fields of the scan settings that the start-up query decides, with the
// settings' encodings and initial values.
struct DeviceSetup {
    uint16_t flatbedSupport = 0;  // 0 absent, 1 grey preview, 2 colour preview
    uint16_t feederSupport = 3;   // 3 absent, 4 grey preview, 5 colour preview
    uint16_t documentSource = 0;  // 0 none, 1 sheet feeder, 2 flatbed (set it
                                  // through the settings' SetDocumentSource)
    uint16_t paperLoaded = 0;

    bool operator==(const DeviceSetup&) const = default;
};

// The rule: ability bytes 0, 1, 2 give flatbedSupport 0, 1, 2 and
// feederSupport 3, 4, 5 (other bytes leave the field); the document source
// becomes the flatbed when there is one, else the feeder when there is one;
// paperLoaded := 1 when there is a feeder and the status is
// SCAN_FEUILLE_PRETE. A failed inquiry changes nothing.
DeviceSetup ApplyStartupAnswers(const StartupAnswers& answers, DeviceSetup current);

// The settings' view of the setup, and back; the document source goes through
// SetDocumentSource so that feederSelected follows it.
DeviceSetup CurrentDeviceSetup(const CScanSettings& settings);
void StoreDeviceSetup(const DeviceSetup& setup, CScanSettings& settings);

}  // namespace z8
