#include "tests/unit/device/scripted_serial_device.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tools/emulator/transcript.h"

namespace z8::test {

namespace {

std::string Hex(const uint8_t* bytes, size_t count) {
    std::string text;
    char hex[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, "%02x ", bytes[i]);
        text += hex;
    }
    return text;
}

void AddLines(std::vector<std::string>& transcript, std::string_view direction,
              const Bytes& bytes) {
    for (auto& line : emu::FormatStream(direction, bytes)) {
        transcript.push_back(std::move(line));
    }
}

}  // namespace

ScriptedSerialDevice::~ScriptedSerialDevice() {
    for (const auto& left : expectations_) {
        ADD_FAILURE() << "expected request never written: "
                      << Hex(left.request.data(), left.request.size()) << "(" << left.matched
                      << " bytes matched)";
    }
}

void ScriptedSerialDevice::Expect(Bytes request, Bytes response) {
    expectations_.push_back({std::move(request), std::move(response), 0});
}

void ScriptedSerialDevice::Send(const Bytes& bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    AddLines(transcript_, emu::kFromScanner, bytes);
}

bool ScriptedSerialDevice::Open(const std::string& name) {
    ++opens;
    openedName = name;
    if (refuseOpen_ || open_ || name.empty()) {
        return false;
    }
    open_ = true;
    return true;
}

bool ScriptedSerialDevice::SetTimeouts(const SerialTimeouts& set) {
    ++timeoutSets;
    timeouts = set;
    return open_;
}

bool ScriptedSerialDevice::Purge() {
    ++purges;
    pending_.clear();
    return open_;
}

bool ScriptedSerialDevice::Read(uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    ++readCalls;
    transferred = 0;
    if (!open_ || Dead()) {
        return false;
    }
    const uint32_t moved =
        static_cast<uint32_t>(std::min<size_t>({count, readChunk_, pending_.size()}));
    std::copy_n(pending_.begin(), moved, buffer);
    pending_.erase(pending_.begin(), pending_.begin() + moved);
    transferred = moved;
    if (moved < count) {
        clock_.Advance(timeouts.readTotalTimeoutMultiplier * count +
                       timeouts.readTotalTimeoutConstant);
    }
    return true;
}

bool ScriptedSerialDevice::Write(const uint8_t* buffer, uint32_t count, uint32_t& transferred) {
    ++writeCalls;
    transferred = 0;
    if (!open_ || Dead()) {
        return false;
    }
    const uint32_t moved = std::min(count, writeChunk_);
    for (uint32_t i = 0; i < moved; ++i) {
        if (expectations_.empty()) {
            ADD_FAILURE() << "unexpected write: " << Hex(buffer + i, moved - i);
            return false;
        }
        Expectation& next = expectations_.front();
        if (next.request[next.matched] != buffer[i]) {
            ADD_FAILURE() << "write differs at byte " << next.matched << " of the request "
                          << Hex(next.request.data(), next.request.size()) << ": got "
                          << Hex(buffer + i, moved - i);
            return false;
        }
        ++transferred;
        if (++next.matched == next.request.size()) {
            AddLines(transcript_, emu::kToScanner, next.request);
            Send(next.response);
            expectations_.pop_front();
        }
    }
    if (moved < count) {
        clock_.Advance(timeouts.writeTotalTimeoutMultiplier * count +
                       timeouts.writeTotalTimeoutConstant);
    }
    return true;
}

}  // namespace z8::test
