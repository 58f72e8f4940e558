// Writing an A4 colour page as JPEG at quality 90, against libjpeg-turbo's
// own cjpeg compressing the same page from a BMP file.
#include <cstdio>
#include <filesystem>

#include "bench_support.h"
#include "imaging/image_file.h"
#include "platform/global_memory_table.h"

using namespace z8;

int main() {
    if (!bench::Run("command -v cjpeg")) {
        std::fprintf(stderr, "cjpeg (libjpeg-turbo-progs) is missing: run scripts/bootstrap.sh\n");
        return 1;
    }
    GlobalMemoryTable memory;
    auto page = bench::A4Page(memory);
    const std::string folder = bench::ScratchFolder();
    const std::string source = folder + "/page.bmp";
    const std::string ours = folder + "/ours.jpg", theirs = folder + "/cjpeg.jpg";
    if (!page || !WriteImageFile(source, "BMP", *page, WriteOptions{}))
        return 1;

    WriteOptions options;
    options.Set("LOSSY_QUALITY", "90");
    bool ok = true;
    const double oursMs =
        bench::BestMilliseconds(5, [&] { ok = WriteImageFile(ours, "JPG", *page, options) && ok; });
    const std::string command = "cjpeg -quality 90 -outfile " + theirs + " " + source;
    const double theirsMs = bench::BestMilliseconds(5, [&] { ok = bench::Run(command) && ok; });
    if (!ok) {
        std::fprintf(stderr, "a JPEG write failed\n");
        return 1;
    }
    bench::Report("JPEG quality 90 (file written)", oursMs, "cjpeg -quality 90 (process)",
                  theirsMs);
    std::printf("sizes: ours %ju bytes, cjpeg %ju bytes\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(ours)),
                static_cast<std::uintmax_t>(std::filesystem::file_size(theirs)));
    return 0;
}
