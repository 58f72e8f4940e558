#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "device/serial_device.h"
#include "tests/unit/device/fake_platform.h"

namespace z8::test {

using Bytes = std::vector<uint8_t>;

// A serial device that plays a script of request/response expectations. The
// bytes written must match the next expected request exactly (however the
// writes cut them); when the request is complete, its response becomes
// readable. Any mismatch, and any expectation left unused at destruction, is
// a test failure. Calls that move less than asked advance the fake clock by
// the call's timeout, as a real port would wait. The scripted line can be
// slow (a few bytes per call) or hang up once its bytes are read.
class ScriptedSerialDevice final : public SerialDevice {
public:
    explicit ScriptedSerialDevice(FakeClock& clock) : clock_(clock) {}
    ~ScriptedSerialDevice() override;

    void Expect(Bytes request, Bytes response);
    // Bytes the scanner sends without being asked.
    void Send(const Bytes& bytes);
    // Once everything scripted is read, every call fails at once.
    void HangUp() { hungUp_ = true; }
    void SetReadChunk(uint32_t bytes) { readChunk_ = bytes; }
    void SetWriteChunk(uint32_t bytes) { writeChunk_ = bytes; }
    void RefuseOpen() { refuseOpen_ = true; }

    bool Open(const std::string& name) override;
    void Close() override { open_ = false; }
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool Purge() override;
    bool Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) override;
    bool Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) override;

    // The exchanges so far as >>/<< transcript lines.
    const std::vector<std::string>& Transcript() const { return transcript_; }
    size_t Unread() const { return pending_.size(); }

    int opens = 0;
    int purges = 0;
    int readCalls = 0;
    int writeCalls = 0;
    int timeoutSets = 0;
    std::string openedName;
    SerialTimeouts timeouts;

private:
    struct Expectation {
        Bytes request;
        Bytes response;
        size_t matched = 0;
    };

    bool Dead() const { return hungUp_ && pending_.empty() && expectations_.empty(); }

    FakeClock& clock_;
    std::deque<Expectation> expectations_;
    std::deque<uint8_t> pending_;  // readable now
    std::vector<std::string> transcript_;
    uint32_t readChunk_ = UINT32_MAX;
    uint32_t writeChunk_ = UINT32_MAX;
    bool hungUp_ = false;
    bool refuseOpen_ = false;
    bool open_ = false;
};

}  // namespace z8::test
