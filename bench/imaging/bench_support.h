#pragma once

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "imaging/image.h"
#include "platform/global_memory.h"

namespace z8::bench {

// An A4 page at 300 dpi in colour (2480 × 3508 × 24 bits) that looks like a
// photograph to the codecs: smooth shading with a little grain.
std::unique_ptr<Image> A4Page(GlobalMemory& memory);

// The best of several runs of f, in milliseconds: the least disturbed by the
// other work on the machine.
template <typename F>
double BestMilliseconds(int runs, F&& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = took.count() < best ? took.count() : best;
    }
    return best;
}

// Runs a command line, its output discarded; false unless it exits with 0.
bool Run(const std::string& command);
// A folder of its own under the temporary folder, removed at exit.
std::string ScratchFolder();
// Prints one figure: our time, the reference's, and their ratio.
void Report(const char* what, double ours, const char* reference, double theirs);

}  // namespace z8::bench
