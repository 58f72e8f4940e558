#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/message_pump.h"
#include "platform/registry.h"

namespace z8::test {

// Time that passes only when told to.
class FakeClock final : public Clock {
public:
    void Sleep(uint32_t milliseconds) override { now_ += milliseconds; }
    uint32_t TickCount() override { return now_; }
    void Advance(uint32_t milliseconds) { now_ += milliseconds; }

private:
    uint32_t now_ = 1000;
};

// HKEY_LOCAL_MACHINE as a map from "key\value" to raw data.
class FakeRegistry final : public Registry {
public:
    void Set(const std::string& key, const std::string& value, std::vector<uint8_t> data) {
        values_[key + "\\" + value] = std::move(data);
    }
    void SetNumber(const std::string& key, const std::string& value, uint32_t number) {
        Set(key, value,
            {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
             static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)});
    }
    bool ReadLocalMachineValue(const char* key, const char* value, void* buffer,
                               uint32_t size) override {
        const auto found = values_.find(std::string(key) + "\\" + value);
        if (found == values_.end() || found->second.size() > size) {
            return false;
        }
        std::memcpy(buffer, found->second.data(), found->second.size());
        return true;
    }

private:
    std::map<std::string, std::vector<uint8_t>> values_;
};

// Counts the dispatches asked for each window.
class CountingPump final : public MessagePump {
public:
    void DispatchPending(WindowHandle window) override { ++dispatches[window]; }
    std::map<WindowHandle, int> dispatches;
};

}  // namespace z8::test
