// Most of the store's behaviour is pinned by the golden scripts, which Wine
// runs against the real calls; these cover what those cannot reach.
#include "platform/ini_profile_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/unit/settings/temp_dir.h"

namespace z8 {
namespace {

TEST(IniProfileStore, BareNamesLiveInTheWindowsDirectory) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    EXPECT_EQ(store.PathOf("a.ini"), dir.path() + "/a.ini");
    EXPECT_EQ(store.PathOf("/tmp/b.ini"), "/tmp/b.ini");

    ASSERT_TRUE(store.WriteString("S", "k", "v", "a.ini"));
    EXPECT_EQ(test::ReadFile(dir.File("a.ini")), "[S]\r\nk=v\r\n");
    const std::string other = dir.File("other.ini");
    ASSERT_TRUE(store.WriteString("T", "k", "w", other.c_str()));
    EXPECT_EQ(test::ReadFile(other), "[T]\r\nk=w\r\n");
}

TEST(IniProfileStore, UnwritableFileFailsAndReadsAsDefaults) {
    IniProfileStore store("/nonexistent/z8-windows");
    EXPECT_FALSE(store.WriteString("S", "k", "v", "a.ini"));
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(store.GetString("S", "k", "dflt", buffer, sizeof buffer, "a.ini"), 4u);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(store.GetInt("S", "k", -3, "a.ini"), static_cast<uint32_t>(-3));
    EXPECT_EQ(store.GetSectionNames(buffer, sizeof buffer, "a.ini"), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(IniProfileStore, EmptyBuffersAreNeverWritten) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    ASSERT_TRUE(store.WriteString("S", "k", "v", "a.ini"));
    char byte = 'x';
    EXPECT_EQ(store.GetString("S", "k", "d", nullptr, 10, "a.ini"), 0u);
    EXPECT_EQ(store.GetString("S", "k", "d", &byte, 0, "a.ini"), 0u);
    EXPECT_EQ(store.GetSectionNames(nullptr, 10, "a.ini"), 0u);
    EXPECT_EQ(store.GetSectionNames(&byte, 0, "a.ini"), 0u);
    EXPECT_EQ(byte, 'x');
    EXPECT_FALSE(store.WriteString(nullptr, "k", "v", "a.ini"));
}

TEST(IniProfileStore, TruncatedSectionListEndsWithTwoZeros) {
    test::TempDir dir;
    IniProfileStore store(dir.path());
    store.WriteString("First", "k", "v", "a.ini");
    store.WriteString("Second", "k", "v", "a.ini");
    char buffer[10];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(store.GetSectionNames(buffer, sizeof buffer, "a.ini"), 8u);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("First\0Se\0\0", 10));
}

}  // namespace
}  // namespace z8
