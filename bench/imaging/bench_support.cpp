#include "bench_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace z8::bench {

std::unique_ptr<Image> A4Page(GlobalMemory& memory) {
    constexpr int kWidth = 2480, kHeight = 3508;
    auto page = Image::Create(memory, kWidth, kHeight, 24);
    if (!page)
        return nullptr;
    page->SetResolution(11811, 11811);
    std::uint32_t grain = 12345;
    for (int r = 0; r < kHeight; ++r) {
        std::uint8_t* p = page->Row(r);
        const double wave = std::cos(r / 70.0);
        for (int x = 0; x < kWidth; ++x, p += 3) {
            grain = grain * 1664525u + 1013904223u;
            const int noise = static_cast<int>(grain >> 28) - 8;
            const int blue = static_cast<int>(128 + 100 * std::sin(x / 50.0) * wave);
            p[0] = static_cast<std::uint8_t>(std::clamp(blue + noise, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp(r * 255 / kHeight + noise, 0, 255));
            p[2] = static_cast<std::uint8_t>(std::clamp(x * 255 / kWidth + noise, 0, 255));
        }
    }
    return page;
}

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ScratchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "z8bench-XXXXXX").string();
            if (!mkdtemp(pattern.data())) {
                std::perror("mkdtemp");
                std::exit(1);
            }
            path = pattern;
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static Folder folder;
    return folder.path.string();
}

void Report(const char* what, double ours, const char* reference, double theirs) {
    std::printf("%-34s %9.2f ms   %-30s %9.2f ms   ratio %6.2f\n", what, ours, reference, theirs,
                ours / theirs);
}

}  // namespace z8::bench
