#include "ui/sample_picture.h"

#include <gtest/gtest.h>

namespace z8::ui {
namespace {

TEST(SamplePicture, PathBelowTheWindowsDirectory) {
    const std::string longDirectory = "D:\\" + std::string(400, 'w');
    struct Case {
        std::string directory, expected;
    };
    const Case cases[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS\\twain_32\\z8twain\\zevodaz.bmp"},
        {"C:\\", "C:\\twain_32\\z8twain\\zevodaz.bmp"},
        // No fixed buffer: a directory past 260 characters is kept whole.
        {longDirectory, longDirectory + "\\twain_32\\z8twain\\zevodaz.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SamplePicturePath(c.directory), c.expected);
    }
}

}  // namespace
}  // namespace z8::ui
