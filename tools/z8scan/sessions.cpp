#include "tools/z8scan/sessions.h"

#include <cstdio>

#include "tools/z8scan/acquire.h"
#include "tools/z8scan/process_figures.h"

namespace z8scan {

int RunSessions(DsmClient& dsm, const SessionsOptions& options) {
    ProcessFigures first, halfway, last;
    const int middle = (options.count + 1) / 2;
    int failed = 0;
    for (int n = 1; n <= options.count; ++n) {
        const AcquireParse parsed = ParseAcquire(SessionArguments(options, n));
        std::printf("-- session %d: %s%s\n", n,
                    options.kinds[(n - 1) % options.kinds.size()].c_str(),
                    parsed.options.showUI ? ", with the dialog" : "");
        if (RunAcquire(dsm, parsed.options, {}) != 0) {
            std::printf("session %d failed\n", n);
            ++failed;
        }
        if (n == 1 || n == middle || n % 10 == 0 || n == options.count) {
            last = TakeProcessFigures();
            if (n == 1) first = last;
            if (n == middle) halfway = last;
            std::printf("after session %d: %s\n", n, DescribeFigures(last).c_str());
        }
        std::fflush(stdout);
    }
    const std::string grown = Growth(first, halfway, last);
    std::printf("sessions: %d, %d failed; %s\n", options.count, failed,
                grown.empty() ? "nothing grew after the first" : ("grew: " + grown).c_str());
    std::fflush(stdout);
    return failed == 0 && grown.empty() ? 0 : 1;
}

}  // namespace z8scan
