// z8scan: a command-line TWAIN application for driving sources through the manager.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/z8scan/acquire.h"
#include "tools/z8scan/command_line.h"
#include "tools/z8scan/dialog_script.h"
#include "tools/z8scan/dsm_client.h"
#include "tools/z8scan/identity_text.h"
#include "tools/z8scan/session.h"
#include "tools/z8scan/sessions.h"

namespace {

// Output goes to stdout as raw UTF-8 bytes, whatever the console code page.
void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int RunList(const std::string& manager) {
    z8scan::DsmClient dsm(manager);
    if (!dsm.Open()) {
        std::fprintf(stderr, "z8scan: %s\n", dsm.error().c_str());
        return 1;
    }
    std::vector<TW_IDENTITY> sources;
    const bool ok = dsm.ListSources(sources);
    for (size_t i = 0; i < sources.size(); ++i) {
        Print("source " + std::to_string(i + 1) + "\n");
        Print(z8scan::DescribeIdentity(sources[i], z8scan::AnsiToUtf8));
    }
    if (!ok) {
        std::fprintf(stderr, "z8scan: %s\n", dsm.error().c_str());
        return 1;
    }
    Print(std::to_string(sources.size()) + " source(s)\n");
    return 0;
}

constexpr long kLargestScript = 1 << 20;

// The whole file, or false with the reason.
bool ReadScript(const std::string& fileName, std::string& text, std::string& why) {
    FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        why = "cannot open the script " + fileName;
        return false;
    }
    char buffer[4096];
    size_t got = 0;
    while (text.size() <= static_cast<size_t>(kLargestScript) &&
           (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) why = "cannot read the script " + fileName;
    if (text.size() > static_cast<size_t>(kLargestScript)) {
        why = "the script " + fileName + " is larger than 1 MiB";
    }
    return why.empty();
}

// The steps of the script file, when one is named; false when it is named
// but cannot be read or parsed (reported).
bool LoadScript(const std::string& fileName, std::vector<z8scan::ScriptStep>& script) {
    if (fileName.empty()) return true;
    std::string text, why;
    if (!ReadScript(fileName, text, why)) {
        std::fprintf(stderr, "z8scan: %s\n", why.c_str());
        return false;
    }
    z8scan::ScriptParse parsed = z8scan::ParseScript(text);
    if (!parsed.ok) {
        std::fprintf(stderr, "z8scan: %s: %s\n", fileName.c_str(), parsed.error.c_str());
        return false;
    }
    script = std::move(parsed.steps);
    return true;
}

int RunSessionCommand(const std::string& manager, const z8scan::Options& options) {
    std::vector<z8scan::ScriptStep> script;
    if (!LoadScript(options.script, script)) return 2;
    z8scan::DsmClient dsm(manager);
    if (!dsm.Open()) {
        std::fprintf(stderr, "z8scan: %s\n", dsm.error().c_str());
        return 1;
    }
    return z8scan::RunSession(dsm, options, script);
}

int RunAcquireCommand(const std::string& manager, const std::vector<std::string>& args) {
    const z8scan::AcquireParse parsed = z8scan::ParseAcquire(args);
    if (parsed.help) {
        Print(z8scan::AcquireUsage());
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "z8scan: %s\n\n%s", parsed.error.c_str(), z8scan::AcquireUsage());
        return 2;
    }
    std::vector<z8scan::ScriptStep> script;
    if (!LoadScript(parsed.options.script, script)) return 2;
    z8scan::DsmClient dsm(manager);
    dsm.SetProductName(parsed.options.appName);
    if (!dsm.Open()) {
        std::fprintf(stderr, "z8scan: %s\n", dsm.error().c_str());
        return 1;
    }
    return z8scan::RunAcquire(dsm, parsed.options, script);
}

int RunSessionsCommand(const std::string& manager, const std::vector<std::string>& args) {
    const z8scan::SessionsParse parsed = z8scan::ParseSessions(args);
    if (parsed.help) {
        Print(z8scan::SessionsUsage());
        return 0;
    }
    if (!parsed.ok) {
        std::fprintf(stderr, "z8scan: %s\n\n%s", parsed.error.c_str(), z8scan::SessionsUsage());
        return 2;
    }
    z8scan::DsmClient dsm(manager);
    if (!dsm.Open()) {
        std::fprintf(stderr, "z8scan: %s\n", dsm.error().c_str());
        return 1;
    }
    return z8scan::RunSessions(dsm, parsed.options);
}

}  // namespace

int main(int argc, char** argv) {
    // Plain LF line ends, so that scripts read the output as it is.
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args(argv + 1, argv + argc);
    const z8scan::ManagerChoice manager = z8scan::TakeManagerOption(args);
    if (!manager.ok) {
        std::fprintf(stderr, "z8scan: %s\n\n%s", manager.error.c_str(), z8scan::UsageText());
        return 2;
    }
    if (!args.empty() && args[0] == "sessions") {
        return RunSessionsCommand(manager.library,
                                  std::vector<std::string>(args.begin() + 1, args.end()));
    }
    if (!args.empty() && args[0] == "acquire") {
        return RunAcquireCommand(manager.library,
                                 std::vector<std::string>(args.begin() + 1, args.end()));
    }
    const z8scan::ParseResult parsed = z8scan::ParseCommandLine(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "z8scan: %s\n\n%s", parsed.error.c_str(), z8scan::UsageText());
        return 2;
    }
    switch (parsed.options.command) {
        case z8scan::Command::Help:
            Print(z8scan::UsageText());
            return 0;
        case z8scan::Command::List:
            return RunList(manager.library);
        case z8scan::Command::Session:
        case z8scan::Command::Capabilities:
            return RunSessionCommand(manager.library, parsed.options);
    }
    return 2;
}
