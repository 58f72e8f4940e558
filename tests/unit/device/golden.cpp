#include "tests/unit/device/golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace z8::test {

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

void ExpectMatchesGolden(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = std::string(Z8_DEVICE_TEST_DIR) + "/transcripts/" + name + ".txt";
    const char* update = std::getenv("Z8_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream out(path);
        for (const auto& line : lines) {
            out << line << '\n';
        }
        return;
    }
    const auto expected = ReadLines(path);
    ASSERT_FALSE(expected.empty()) << "no golden transcript " << path;
    EXPECT_EQ(lines, expected) << "transcript differs from " << path;
}

}  // namespace z8::test
