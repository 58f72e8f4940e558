#include <gtest/gtest.h>

#include "launcher/profile_section.h"
#include "tests/unit/launcher/fake_profile_store.h"

namespace z8 {
namespace {

using test::FakeProfileStore;

TEST(ProfileSection, ReadsNonEmptyStringsOfItsSection) {
    FakeProfileStore store;
    store.values[{"LAUNCHER", "Execute_FRA"}] = "\\Setup\\tool.exe /q";
    store.values[{"LAUNCHER", "Empty"}] = "";
    store.values[{"LAUNCHER", "Long"}] = std::string(300, 'x');
    CProfileSection section(store, "C:\\Tools\\QXLauncher.INI");
    std::string value = "unchanged";
    EXPECT_FALSE(section.ReadString("Execute_FRA", value));  // no section yet
    EXPECT_TRUE(section.SetSection("LAUNCHER"));
    EXPECT_TRUE(section.SetSection(""));
    EXPECT_EQ(section.Section(), "LAUNCHER");

    EXPECT_TRUE(section.ReadString("Execute_FRA", value));
    EXPECT_EQ(value, "\\Setup\\tool.exe /q");
    EXPECT_EQ(store.files.back(), "C:\\Tools\\QXLauncher.INI");
    value = "unchanged";
    EXPECT_FALSE(section.ReadString("Empty", value));
    EXPECT_FALSE(section.ReadString("Absent", value));
    EXPECT_EQ(value, "unchanged");
    EXPECT_TRUE(section.ReadString("Long", value));
    EXPECT_EQ(value, std::string(255, 'x'));
}

TEST(ProfileSection, ReadsIntegersOtherThanMinusOne) {
    FakeProfileStore store;
    store.values[{"S", "Port"}] = "3";
    store.values[{"S", "Stored"}] = "-1";
    CProfileSection section(store, "f.ini");
    section.SetSection("S");
    int value = 42;
    EXPECT_TRUE(section.ReadInt("Port", value));
    EXPECT_EQ(value, 3);
    value = 42;
    EXPECT_FALSE(section.ReadInt("Stored", value));
    EXPECT_FALSE(section.ReadInt("Absent", value));
    EXPECT_EQ(value, 42);
}

TEST(ProfileSection, GrowsTheBufferForSectionNames) {
    FakeProfileStore store;
    CProfileSection section(store, "f.ini");
    std::vector<std::string> names = {"stale"};
    EXPECT_FALSE(section.GetSectionNames(names));
    EXPECT_TRUE(names.empty());

    for (int i = 0; i < 300; ++i) {
        store.sections.push_back("Section" + std::to_string(1000 + i));
    }
    store.sectionNameCalls = 0;
    ASSERT_TRUE(section.GetSectionNames(names));
    EXPECT_EQ(names, store.sections);
    // 3600 bytes of names: 5, 1029, 2053 and 3077 bytes are too small.
    EXPECT_EQ(store.sectionNameCalls, 5);
}

TEST(ProfileSection, GivesUpAbove500000Bytes) {
    FakeProfileStore store;
    store.sections.assign(50000, "0123456789");
    CProfileSection section(store, "f.ini");
    std::vector<std::string> names = {"kept"};
    EXPECT_FALSE(section.GetSectionNames(names));
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    EXPECT_EQ(store.sectionNameCalls, 489);
}

}  // namespace
}  // namespace z8
