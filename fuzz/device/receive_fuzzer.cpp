// The receive loop: the start-up query and replies read through CSerialPort
// from a scanner that sends the fuzzer's bytes in pieces of any size.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "device/scanner_protocol.h"
#include "device/serial_port.h"
#include "fuzz/device/stream_device.h"
#include "platform/registry.h"
#include "scanning/startup_setup.h"

namespace {

class OneRegistry final : public z8::Registry {
public:
    bool ReadLocalMachineValue(const char*, const char*, void* buffer, uint32_t size) override {
        if (size < 1) {
            return false;
        }
        static_cast<uint8_t*>(buffer)[0] = 1;
        return true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // Byte 0: the piece size a call brings; byte 1: which buffer replies use.
    const uint32_t chunk = data[0] == 0 ? UINT32_MAX : data[0];
    const bool small = (data[1] & 1) != 0;
    z8::fuzz::StreamDevice device(std::span<const uint8_t>(data + 2, size - 2), chunk);
    OneRegistry registry;
    z8::CSerialPort port(device, registry, nullptr);
    if (!port.FindComPort() || !port.Open()) {
        __builtin_trap();
    }
    const z8::DeviceSetup setup = z8::ApplyStartupAnswers(z8::QueryScanner(port, {}), {});
    if (setup.flatbedSupport > 2 || setup.feederSupport < 3 || setup.feederSupport > 5) {
        __builtin_trap();
    }
    // Exactly the buffer's size, so that a read past its end shows.
    std::vector<uint8_t> buffer(small ? 64 : z8::kReceiveBufferSize);
    port.SetLongTimeouts();
    while (!device.Exhausted()) {
        z8::Reply reply;
        const uint8_t result = z8::ReadReply(port, buffer, reply);
        if (result == z8::kReplyOk && reply.length > buffer.size()) {
            __builtin_trap();
        }
        if (result == z8::kReplyOk && reply.code == z8::kReplyBand) {
            const auto band = z8::ParseBand(std::span(buffer).first(reply.length));
            if (!band || band->lineCount != reply.lineCount) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
