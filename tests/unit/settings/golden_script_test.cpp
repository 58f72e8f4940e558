// The scripts that the Wine probe runs with the real Win32 calls, run here with
// our own profile store: transcripts and files must match the same golden files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ini_profile_store.h"
#include "settings/profile_file.h"
#include "tests/integration/profile_probe/profile_script.h"
#include "tests/unit/settings/temp_dir.h"

namespace z8 {
namespace {

std::string Golden(const std::string& name) {
    const std::string path = std::string(Z8_FIXTURES_DIR) + "/" + name;
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return test::ReadFile(path);
}

TEST(GoldenScript, ProfilesFromNothing) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    EXPECT_EQ(probe::RunProfileScript(store), Golden("profile_script.txt"));
    EXPECT_EQ(test::ReadFile(dir.File(kProfileFileName)), Golden("ViruvoVozav.ini"));
}

TEST(GoldenScript, ProfileListFromNothing) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    EXPECT_EQ(probe::RunProfileListScript(store), Golden("profile_list_script.txt"));
    EXPECT_EQ(test::ReadFile(dir.File(kProfileFileName)), Golden("profile_list.ini"));
}

TEST(GoldenScript, HandWrittenFileIsReadLeftAloneThenRewritten) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    const std::string original = Golden("profile_parsing.ini");
    test::WriteFile(dir.File(probe::kParsingFile), original);

    EXPECT_EQ(probe::RunParsingScript(store), Golden("profile_parsing.txt"));
    EXPECT_EQ(test::ReadFile(dir.File(probe::kParsingFile)), original);

    EXPECT_EQ(probe::RunRewriteScript(store), Golden("profile_rewrite.txt"));
    EXPECT_EQ(test::ReadFile(dir.File(probe::kParsingFile)),
              Golden("profile_parsing_rewritten.ini"));
}

TEST(GoldenScript, ArithmeticMatchesTheWindowsBuilds) {
    EXPECT_EQ(probe::RunArithmeticScript(), Golden("settings_arithmetic.txt"));
}

}  // namespace
}  // namespace z8
