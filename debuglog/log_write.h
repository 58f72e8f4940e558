#pragma once

#include <string_view>

#include "debuglog/debug.h"
#include "debuglog/severity.h"

namespace z8 {

// Size of the buffer one line is formatted into; longer lines are cut.
constexpr int kLogLineBuffer = 1024;

// Formats one line printf-style and hands it to the sink under the sink's
// mutex: line feeds and carriage returns become spaces, so a call always
// yields one line. A null sink, or a severity above the process-wide level,
// gives true without writing; otherwise the sink's Write result.
bool LogWrite(CDebug* sink, int severity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
// The same at severity DBG.
bool LogTrace(CDebug* sink, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The same for a text that is passed on verbatim, not read as a format.
bool LogWriteText(CDebug* sink, int severity, std::string_view text);

// The process-wide level: a line of severity s is written when s <= level.
// Accepts 0, 1, 3 and 4; refuses 2 and anything else (level unchanged).
bool SetLogLevel(int level);
int GetLogLevel();

// The process-wide current log: never null (a null sink is refused); at
// start a sink that writes nothing.
bool SetCurrentLog(CDebug* sink);
CDebug* GetCurrentLog();

}  // namespace z8
