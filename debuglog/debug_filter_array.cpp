#include "debuglog/debug_filter_array.h"

#include <atomic>

#include "debuglog/debug.h"

namespace z8 {
namespace {

std::atomic<int> g_filterArrayCount{0};

}  // namespace

CDebugFilterArray::CDebugFilterArray()
    : CContainer("CDebugFilterArray", "DebugFilterArray", true),
      mutex_(CreateUniqueMutex(SystemMutexes(), SystemClock(), FilterArrayMutexName,
                               ++g_filterArrayCount)) {}

int DebugFilterArrayInstanceCount() {
    return g_filterArrayCount;
}

}  // namespace z8
