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

TEST(PathParts, JoinsANameToAFolderUnlessTheNameIsAbsolute) {
    const std::string longFolder = "C:\\" + std::string(400, 'w');
    const struct {
        std::string folder, name, joined;
    } cases[] = {
        {"C:\\WINDOWS", "twain_32.dll", "C:\\WINDOWS\\twain_32.dll"},
        {"C:\\", "sample.bmp", "C:\\sample.bmp"},
        {"/tmp/w/", "a.bmp", "/tmp/w/a.bmp"},
        {"", "Launcher.htm", "\\Launcher.htm"},
        {"C:\\WINDOWS\\\\", "a.htm", "C:\\WINDOWS\\a.htm"},
        {"C:\\WINDOWS", "sub\\page.tif", "C:\\WINDOWS\\sub\\page.tif"},
        {"C:\\WINDOWS", "..\\up.bmp", "C:\\WINDOWS\\..\\up.bmp"},
        {"C:\\WINDOWS", "D:\\scans\\a.bmp", "D:\\scans\\a.bmp"},
        {"C:\\WINDOWS", "D:a.bmp", "D:a.bmp"},
        {"C:\\WINDOWS", "\\scans\\a.bmp", "\\scans\\a.bmp"},
        {"C:\\WINDOWS", "\\\\server\\share\\a.bmp", "\\\\server\\share\\a.bmp"},
        {"C:\\WINDOWS", "/tmp/a.bmp", "/tmp/a.bmp"},
        {longFolder, "a.bmp", longFolder + "\\a.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder + " + " + c.name);
        EXPECT_EQ(JoinPath(c.folder, c.name), c.joined);
    }
}

}  // namespace
}  // namespace z8
