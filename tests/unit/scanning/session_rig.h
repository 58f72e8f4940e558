#pragma once

#include <string>

#include "device/serial_device.h"
#include "platform/global_memory_table.h"
#include "platform/ini_profile_store.h"
#include "scanning/scanning_session.h"
#include "tests/unit/datasource/fake_string_table.h"
#include "tests/unit/device/fake_platform.h"
#include "tests/unit/settings/temp_dir.h"

namespace z8::test {

class FakePaths final : public SystemPaths {
public:
    explicit FakePaths(std::string directory) : directory_(std::move(directory)) {}
    std::string WindowsDirectory() const override { return directory_; }

private:
    std::string directory_;
};

// A port that never opens: a machine without the scanner.
class AbsentSerialDevice final : public SerialDevice {
public:
    bool Open(const std::string&) override { return false; }
    void Close() override {}
    bool SetTimeouts(const SerialTimeouts&) override { return false; }
    bool Purge() override { return false; }
    bool Read(uint8_t*, uint32_t, uint32_t& transferred) override {
        transferred = 0;
        return false;
    }
    bool Write(const uint8_t*, uint32_t, uint32_t& transferred) override {
        transferred = 0;
        return false;
    }
};

// The texts the session shows, as the built-in table has them.
inline FakeStringTable SessionTexts() {
    return FakeStringTable({{120, "Transfert"},
                            {121, "Transfert"},
                            {149, "VARUR UZ Edazi 1.0"},
                            {160, "Préchauffage en cours."},
                            {162, "Impossible de communiquer avec le périphérique."},
                            {165, "Défaut du scanner"},
                            {168, "Processing"},
                            {170, "Par défaut"},
                            {180, "Vérification de l'état du scanner."},
                            {181, "Insérez votre document dans le chargeur."}});
}

// A scanning session over fakes: the given port (COM1 in the registry), a
// profiles file in a fresh folder, time that passes only when waited for.
struct SessionRig {
    explicit SessionRig(SerialDevice& device) : serial(device) {
        registry.SetNumber(kPortKeyNt, kPortValue, 1);
    }

    SerialDevice& serial;
    TempDir folder;
    FakePaths paths{folder.path()};
    IniProfileStore store{folder.path()};
    FakeRegistry registry;
    CountingPump pump;
    FakeClock clock;
    GlobalMemoryTable memory;
    FakeStringTable strings = SessionTexts();
    ScanningSession session{
        ScanningPlatform{paths, store, serial, registry, pump, clock, memory, strings}};
};

}  // namespace z8::test
