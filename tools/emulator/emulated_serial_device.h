#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "device/serial_device.h"
#include "platform/clock.h"
#include "tools/emulator/scanner_model.h"

namespace z8::emu {

// The emulated scanner in-process, behind the serial device seam: written
// frames go to a ScannerModel and its answers are read back, with no thread
// and no pseudo-terminal. Time passes on the given clock only: a read that
// finds fewer bytes than asked spends its whole timeout there, and so does a
// scripted stall. A scripted hang-up fails every call until the port is
// opened again.
class EmulatedSerialDevice final : public SerialDevice {
public:
    EmulatedSerialDevice(Script script, Clock& clock) : model_(std::move(script)), clock_(clock) {}

    bool Open(const std::string& name) override;
    void Close() override { open_ = false; }
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override;
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) override;

    uint32_t PagesScanned() const { return model_.PagesScanned(); }

private:
    // Takes the model's actions until `count` bytes are readable, a stall
    // begins or nothing is left to send.
    void Fill(uint32_t count);

    ScannerModel model_;
    Clock& clock_;
    SerialTimeouts timeouts_;
    std::vector<uint8_t> input_;   // written, not yet a whole frame
    std::deque<uint8_t> pending_;  // readable now
    uint32_t stallMs_ = 0;
    bool hangUpAfterPending_ = false;
    bool hungUp_ = false;
    bool open_ = false;
};

}  // namespace z8::emu
