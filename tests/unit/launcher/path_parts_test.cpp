#include <gtest/gtest.h>

#include "platform/path_parts.h"

namespace z8 {
namespace {

TEST(PathParts, SplitsAsTheWindowsLibraryDoes) {
    const struct {
        const char* path;
        const char* drive;
        const char* folder;
        const char* name;
        const char* extension;
    } cases[] = {
        {"C:\\Tools\\QXLauncher.exe", "C:", "\\Tools\\", "QXLauncher", ".exe"},
        {"C:\\QXLauncher.exe", "C:", "\\", "QXLauncher", ".exe"},
        {"D:/a.b/c/prog.tar.gz", "D:", "/a.b/c/", "prog.tar", ".gz"},
        {"\\\\server\\share\\x", "", "\\\\server\\share\\", "x", ""},
        {"name", "", "", "name", ""},
        {"C:", "C:", "", "", ""},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
}

TEST(PathParts, CutsPartsToTheirBuffers) {
    const std::string folder(400, 'f');
    const PathParts parts =
        SplitPath("C:\\" + folder + "\\" + std::string(300, 'n') + "." + std::string(300, 'e'));
    EXPECT_EQ(parts.folder.size(), 255u);
    EXPECT_EQ(parts.name.size(), 255u);
    EXPECT_EQ(parts.extension.size(), 255u);
}

TEST(PathParts, TrimsTrailingBackslashesOnly) {
    EXPECT_EQ(TrimTrailingBackslashes("C:\\WINDOWS\\\\"), "C:\\WINDOWS");
    EXPECT_EQ(TrimTrailingBackslashes("\\"), "");
    EXPECT_EQ(TrimTrailingBackslashes("a/"), "a/");
}

TEST(PathParts, JoinsAFolderAndANameWithOneBackslash) {
    EXPECT_EQ(JoinPath("C:\\WINDOWS", "twain_32.dll"), "C:\\WINDOWS\\twain_32.dll");
    EXPECT_EQ(JoinPath("C:\\WINDOWS\\\\", "a.htm"), "C:\\WINDOWS\\a.htm");
    EXPECT_EQ(JoinPath("C:\\", "sample.bmp"), "C:\\sample.bmp");
    EXPECT_EQ(JoinPath("", "Launcher.htm"), "\\Launcher.htm");
}

}  // namespace
}  // namespace z8
