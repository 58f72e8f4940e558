#include "debuglog/log_write.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace z8 {
namespace {

int g_logLevel = 4;
CDebugNull g_nullLog;
CDebug* g_currentLog = &g_nullLog;

// Holds a sink's mutex for one line. A sink whose mutex cannot be created
// writes unlocked: losing the line would be worse than an unserialised write.
class SinkLock {
public:
    explicit SinkLock(CDebug& sink) : mutex_(sink.AcquireMutex()) {
        if (mutex_ != nullptr) {
            mutex_->Lock();
        }
    }
    ~SinkLock() {
        if (mutex_ != nullptr) {
            mutex_->Unlock();
        }
    }
    SinkLock(const SinkLock&) = delete;
    SinkLock& operator=(const SinkLock&) = delete;

private:
    NamedMutex* mutex_;
};

bool Deliver(CDebug& sink, int severity, char* line) {
    std::string_view text(line);
    std::replace(line, line + text.size(), '\n', ' ');
    std::replace(line, line + text.size(), '\r', ' ');
    try {
        return sink.Write(severity, text);
    } catch (...) {
        // No exception leaves a log call.
        return false;
    }
}

bool VLogWrite(CDebug* sink, int severity, const char* format, va_list args)
    __attribute__((format(printf, 3, 0)));

bool VLogWrite(CDebug* sink, int severity, const char* format, va_list args) {
    if (sink == nullptr) {
        return true;
    }
    SinkLock lock(*sink);
    if (severity > g_logLevel) {
        return true;
    }
    char line[kLogLineBuffer];
    if (std::vsnprintf(line, sizeof line, format, args) < 0) {
        line[0] = '\0';
    }
    return Deliver(*sink, severity, line);
}

}  // namespace

bool LogWrite(CDebug* sink, int severity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const bool result = VLogWrite(sink, severity, format, args);
    va_end(args);
    return result;
}

bool LogTrace(CDebug* sink, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const bool result = VLogWrite(sink, DBG, format, args);
    va_end(args);
    return result;
}

bool LogWriteText(CDebug* sink, int severity, std::string_view text) {
    if (sink == nullptr) {
        return true;
    }
    SinkLock lock(*sink);
    if (severity > g_logLevel) {
        return true;
    }
    char line[kLogLineBuffer];
    const size_t length = std::min(text.size(), sizeof line - 1);
    text.copy(line, length);
    line[length] = '\0';
    return Deliver(*sink, severity, line);
}

bool SetLogLevel(int level) {
    if (level != 0 && level != 1 && level != 3 && level != 4) {
        return false;
    }
    g_logLevel = level;
    return true;
}

int GetLogLevel() {
    return g_logLevel;
}

bool SetCurrentLog(CDebug* sink) {
    if (sink == nullptr) {
        return false;
    }
    g_currentLog = sink;
    return true;
}

CDebug* GetCurrentLog() {
    return g_currentLog;
}

}  // namespace z8
