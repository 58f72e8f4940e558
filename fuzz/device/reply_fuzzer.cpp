// Reply parsing: frame headers, bands, geometry blocks and the transcript of
// a byte stream; and the emulator's answers to arbitrary requests.
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/frame.h"
#include "device/scan_parameter_block.h"
#include "tools/emulator/scanner_model.h"
#include "tools/emulator/transcript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    if (const auto band = z8::ParseBand(input)) {
        volatile uint8_t sink = 0;
        for (const uint8_t byte : band->lines) {
            sink = sink ^ byte;
        }
        if (band->lines.size() != size_t{band->lineCount} * band->lineLength ||
            band->lineLength == 0) {
            __builtin_trap();
        }
    }
    if (size >= z8::kScanParameterBlockSize) {
        const auto block = z8::DecodeBlock(input.first<z8::kScanParameterBlockSize>());
        const auto again = z8::EncodeBlock(block);
        if (!std::equal(again.begin(), again.end(), input.begin())) {
            __builtin_trap();
        }
    }
    z8::emu::FormatStream(z8::emu::kFromScanner, input);

    // The emulator given the input as requests: a code byte, then a payload.
    if (size >= 1) {
        z8::emu::ScannerModel model(z8::emu::Script{});
        model.Receive(static_cast<uint16_t>(0x30 + data[0] % 8), input.subspan(1));
        for (int i = 0; i < 16 && model.Next(); ++i) {
        }
    }
    return 0;
}
