#include "debuglog/debug.h"

#include <atomic>
#include <cstdio>

namespace z8 {
namespace {

constexpr int kMutexAttempts = 500;
constexpr uint32_t kCollisionSleepMs = 10;

std::atomic<int> g_debugCount{0};

}  // namespace

CDebug::CDebug() : CDebug(SystemMutexes(), SystemClock()) {}

CDebug::CDebug(MutexSystem& mutexes, Clock& clock)
    : mutexes_(mutexes),
      clock_(clock),
      number_(++g_debugCount),
      mutex_(CreateUniqueMutex(mutexes_, clock_, DebugMutexName, number_)) {}

CDebug::~CDebug() = default;

NamedMutex* CDebug::AcquireMutex() {
    if (!mutex_) {
        mutex_ = CreateUniqueMutex(mutexes_, clock_, DebugMutexName, number_);
    }
    return mutex_.get();
}

int DebugInstanceCount() {
    return g_debugCount;
}

std::string DebugMutexName(uint32_t tickCount, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "_%d_Mutex_CDebug_Nb_%d__", static_cast<int>(tickCount),
                  number);
    return name;
}

std::string FilterArrayMutexName(uint32_t tickCount, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "_%d_Mutex__CDebugFilterArray__Nb_%d__",
                  static_cast<int>(tickCount), number);
    return name;
}

std::unique_ptr<NamedMutex> CreateUniqueMutex(MutexSystem& mutexes, Clock& clock,
                                              std::string (*nameFor)(uint32_t, int), int number) {
    for (int attempt = 0; attempt < kMutexAttempts; ++attempt) {
        MutexSystem::Created created = mutexes.Create(nameFor(clock.TickCount(), number));
        if (!created.alreadyExisted) {
            return std::move(created.mutex);
        }
        // The tick count differs on the next attempt, and so does the name.
        if (attempt + 1 < kMutexAttempts) {
            clock.Sleep(kCollisionSleepMs);
        }
    }
    return nullptr;
}

}  // namespace z8
