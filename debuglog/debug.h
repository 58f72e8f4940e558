#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/named_mutex.h"

namespace z8 {

// A log sink. It receives one formatted line at a time from LogWrite, which
// holds the sink's own named mutex around each Write.
class CDebug {
public:
    CDebug();
    // With the given mutexes and clock (tests count attempts and sleeps).
    CDebug(MutexSystem& mutexes, Clock& clock);
    virtual ~CDebug();
    CDebug(const CDebug&) = delete;
    CDebug& operator=(const CDebug&) = delete;

    // True when the line was accepted.
    virtual bool Write(int severity, std::string_view text) = 0;

    // The sink's mutex, created now when construction could not create it;
    // null when it still cannot be.
    NamedMutex* AcquireMutex();

private:
    MutexSystem& mutexes_;
    Clock& clock_;
    int number_;  // this sink's place in the count of sinks ever built
    std::unique_ptr<NamedMutex> mutex_;
};

// A sink that accepts every line and writes it nowhere.
class CDebugNull final : public CDebug {
public:
    bool Write(int, std::string_view) override { return true; }
};

// How many sinks were ever constructed in this process.
int DebugInstanceCount();

// Mutex names: the tick count and an instance number keep them apart.
std::string DebugMutexName(uint32_t tickCount, int number);
std::string FilterArrayMutexName(uint32_t tickCount, int number);

// Tries up to 500 names from nameFor(tick count, number), sleeping 10 ms after
// each name that already exists; null after 500 collisions or when the system
// cannot create a mutex at all.
std::unique_ptr<NamedMutex> CreateUniqueMutex(MutexSystem& mutexes, Clock& clock,
                                              std::string (*nameFor)(uint32_t, int), int number);

}  // namespace z8
