#include <windows.h>

#include "platform/process_runner.h"

namespace z8 {

bool RunProcessAndWait(const std::string& commandLine) {
    // CreateProcessA may write into the command line: give it its own buffer.
    char buffer[kMaxCommandLine];
    if (commandLine.size() >= sizeof buffer) {
        return false;
    }
    commandLine.copy(buffer, commandLine.size());
    buffer[commandLine.size()] = '\0';

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

}  // namespace z8
