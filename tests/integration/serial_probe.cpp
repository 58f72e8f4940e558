// serial_probe: the Win32 serial link against the scanner emulator on COM1.
//   serial_probe query    find the port, open it, run the start-up query and
//                         read a status
//   serial_probe silence  open the port and read 6 bytes that never come
// Prints what happened and how long it took (last line "done in N ms"); exit
// 0 when every step worked, 3 when the port cannot be found or opened, 4 when
// a read or write failed.
#include <cstdio>
#include <cstring>

#include "device/scan_status.h"
#include "device/scanner_protocol.h"
#include "device/serial_device_win32.h"
#include "device/serial_port.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/registry_win32.h"
#include "scanning/startup_setup.h"

namespace {

int Query(z8::CSerialPort& port) {
    const z8::StartupAnswers answers = z8::QueryScanner(port, {});
    if (!answers.abilities) {
        std::printf("inquiry failed\n");
        return 4;
    }
    std::printf("inquiry %02x %02x\n", (*answers.abilities)[0], (*answers.abilities)[1]);
    const z8::DeviceSetup setup = z8::ApplyStartupAnswers(answers, {});
    std::printf("setup flatbed %u feeder %u source %u paper %u\n", setup.flatbedSupport,
                setup.feederSupport, setup.documentSource, setup.paperLoaded);
    uint8_t status = 0;
    if (z8::ReadStatus(port, status) != 1) {
        std::printf("status failed\n");
        return 4;
    }
    const char* name = z8::ScanStatusName(status);
    std::printf("status %u %s\n", status, name != nullptr ? name : "-");
    return 0;
}

int Silence(z8::CSerialPort& port, z8::Clock& clock) {
    uint8_t buffer[6];
    uint32_t received = 0;
    const uint32_t start = clock.TickCount();
    const bool ok = port.Read(buffer, sizeof buffer, received);
    std::printf("silent read %s, %u bytes in %u ms\n", ok ? "true" : "false", received,
                clock.TickCount() - start);
    return ok ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
    const bool silence = argc > 1 && std::strcmp(argv[1], "silence") == 0;
    z8::Win32Clock clock;
    z8::Win32Registry registry;
    z8::Win32SerialDevice device;
    z8::CSerialPort port(device, registry, nullptr);
    const uint32_t start = clock.TickCount();
    int result = 3;
    if (!port.FindComPort()) {
        std::printf("no port in the registry\n");
    } else {
        std::printf("port %s\n", port.PortName().c_str());
        if (!port.Open()) {
            std::printf("open failed\n");
        } else {
            result = silence ? Silence(port, clock) : Query(port);
            port.Close();
        }
    }
    std::printf("done in %u ms\n", clock.TickCount() - start);
    return result;
}
