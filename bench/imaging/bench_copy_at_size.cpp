// The reduction of an A4 colour page to the preview box (300 × 420), against
// ImageMagick's convert -resize of the same page as a process.
#include <cstdio>

#include "bench_support.h"
#include "imaging/bmp_file.h"
#include "imaging/image_file.h"
#include "imaging/resample.h"
#include "platform/global_memory_table.h"

using namespace z8;

int main() {
    if (!bench::Run("command -v convert")) {
        std::fprintf(stderr, "convert (ImageMagick) is missing: run scripts/bootstrap.sh\n");
        return 1;
    }
    GlobalMemoryTable memory;
    auto page = bench::A4Page(memory);
    const std::string folder = bench::ScratchFolder();
    const std::string source = folder + "/page.bmp", reduced = folder + "/small.bmp";
    if (!page || !WriteImageFile(source, "BMP", *page, WriteOptions{}))
        return 1;

    const double ours = bench::BestMilliseconds(5, [&] { CopyAtSize(*page, 300, 420); });
    const std::string command = "convert " + source + " -resize '300x420!' " + reduced;
    bool ok = true;
    const double theirs = bench::BestMilliseconds(3, [&] { ok = bench::Run(command) && ok; });
    if (!ok) {
        std::fprintf(stderr, "convert failed\n");
        return 1;
    }
    // The same work as the process: read the file, reduce, write the result.
    const double oursWhole = bench::BestMilliseconds(3, [&] {
        auto loaded = LoadBmpFile(memory, source);
        auto small = CopyAtSize(*loaded, 300, 420);
        WriteImageFile(reduced, "BMP", *small, WriteOptions{});
    });
    bench::Report("copy at 300 x 420 (in memory)", ours, "convert -resize (process)", theirs);
    bench::Report("load + copy + write BMP", oursWhole, "convert -resize (process)", theirs);
    return 0;
}
