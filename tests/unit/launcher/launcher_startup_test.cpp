#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "debuglog/log_write.h"
#include "launcher/launcher_startup.h"
#include "launcher/regional_settings.h"
#include "tests/unit/debuglog/test_support.h"
#include "tests/unit/launcher/fake_profile_store.h"

namespace z8 {
namespace {

using test::FakeProfileStore;
using test::FixedClock;
using test::ReadFile;
using test::RecordingSink;
using test::TempDir;

class FakeLauncherSystem final : public LauncherSystem {
public:
    std::string WindowsDirectory() override { return windowsDirectory; }
    std::string ModuleFileName() override { return modulePath; }
    void ChangeDirectory(const std::string& path) override { directories.push_back(path); }
    std::optional<std::string> UserLanguageIdText() override { return language; }
    bool RunAndWait(const std::string& commandLine) override {
        commandLines.push_back(commandLine);
        return starts;
    }
    ProfileStore& Profiles() override { return profiles; }

    std::string windowsDirectory;
    std::string modulePath = "C:\\Tools\\QXLauncher.exe";
    std::optional<std::string> language = "040c";
    bool starts = true;
    FakeProfileStore profiles;
    std::vector<std::string> directories;
    std::vector<std::string> commandLines;
};

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest() {
        // Natively the log is a file whose name holds a backslash.
        system.windowsDirectory = dir.Path().string() + "\\\\";
        SetLogLevel(0);
    }

    std::string Log() const { return ReadFile(dir.Path().string() + "\\Launcher.htm"); }

    static std::string Line(const std::string& text) {
        return "<b><font face=\"Courier New, Courier, mono\">09:05:07:042ms</FONT></b> : " + text +
               "<br>\n";
    }
    static std::string Blue(const std::string& text) {
        return Line("<b><font color=\"#3300FF\">" + text + "</FONT></b>");
    }
    static std::string Error(const std::string& text) {
        return Line(
            "<b><font face=\"Courier New, Courier, mono\" color=\"#FF0000\">>> ERROR << "
            "</FONT></b>" +
            text);
    }
    static std::string Warning(const std::string& text) {
        return Line(
            "<font face=\"Courier New, Courier, mono\" color=\"#009933\">>> WARNING << </FONT>" +
            text);
    }
    std::string Header() const {
        const std::string path = dir.Path().string() + "\\Launcher.htm";
        return "<html>\n<head>\n<TITLE>" + path + "</TITLE>\n</head>\n<body>\n" +
               "<font face=\"Courier New, Courier, mono\" color=\"#3300FF\">"
               "====================== " +
               path + " ======================</FONT><br>\n";
    }

    test::LogStateGuard state;
    TempDir dir;
    FixedClock clock;
    FakeLauncherSystem system;
};

TEST_F(LauncherTest, FrenchRunsExecuteFraFromTheLauncherFolder) {
    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = "\\Setup\\tool.exe /q";
    system.profiles.values[{"LAUNCHER", "Execute_ENU"}] = "\\Setup\\english.exe";
    CDebug* before = GetCurrentLog();

    EXPECT_FALSE(RunLauncherStartup(system, "QXLauncher.INI", clock));

    EXPECT_EQ(system.directories, std::vector<std::string>{"\\Tools"});
    EXPECT_EQ(system.profiles.files, std::vector<std::string>{"C:\\Tools\\QXLauncher.INI"});
    EXPECT_EQ(system.profiles.keys, std::vector<std::string>{"Execute_FRA"});
    EXPECT_EQ(system.commandLines, std::vector<std::string>{"C:\\Tools\\Setup\\tool.exe /q"});
    EXPECT_EQ(GetLogLevel(), 4);
    EXPECT_EQ(GetCurrentLog(), before);
    EXPECT_EQ(Log(), Header() + Line("QXLauncher started...") +
                         Line("Detected language code is 040c, Primary Language = 12") +
                         Blue(" Regional settings : FRENCH detected") +
                         Line("CreateProcess( C:\\Tools\\Setup\\tool.exe /q )") + Line("Leaving") +
                         "</body>\n</html>\n");
}

TEST_F(LauncherTest, AMissingOrEmptyKeyStartsNothing) {
    system.language = "0816";  // Portuguese (Portugal): English
    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = "\\tool.exe";
    system.profiles.values[{"LAUNCHER", "Execute_ENU"}] = "";

    EXPECT_TRUE(RunLauncherStartup(system, "QXLauncher.INI", clock));

    EXPECT_EQ(system.profiles.keys, std::vector<std::string>{"Execute_ENU"});
    EXPECT_TRUE(system.commandLines.empty());
    EXPECT_EQ(Log(),
              Header() + Line("QXLauncher started...") +
                  Line("Detected language code is 0816, Primary Language = 22") +
                  Warning(" GetRegionalSettings() : Could not find language... returning English "
                          "as default.") +
                  Error("Failed to read section LAUNCHER in file QXLauncher.INI") +
                  "</body>\n</html>\n");
}

TEST_F(LauncherTest, AFailedStartIsLogged) {
    system.language = std::nullopt;
    system.starts = false;
    system.profiles.values[{"LAUNCHER", "Execute_ENU"}] = "tool.exe";

    EXPECT_FALSE(RunLauncherStartup(system, "QXLauncher.INI", clock));

    // Without a leading separator the value is glued to the folder name.
    EXPECT_EQ(system.commandLines, std::vector<std::string>{"C:\\Toolstool.exe"});
    EXPECT_EQ(Log(), Header() + Line("QXLauncher started...") +
                         Error(" GetRegionalSettings() : Failed to get local language") +
                         Line("CreateProcess( C:\\Toolstool.exe )") +
                         Line("CreateProcess() failed") + "</body>\n</html>\n");
}

TEST_F(LauncherTest, ALauncherInTheRootOfADriveKeepsTheCurrentDirectory) {
    system.modulePath = "D:\\QXLauncher.exe";
    system.language = "0c0c";  // French (Canada)
    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = "\\Setup.exe";

    RunLauncherStartup(system, "QXLauncher.INI", clock);

    EXPECT_TRUE(system.directories.empty());
    EXPECT_EQ(system.profiles.files, std::vector<std::string>{"D:\\QXLauncher.INI"});
    EXPECT_EQ(system.commandLines, std::vector<std::string>{"D:\\Setup.exe"});
}

TEST_F(LauncherTest, ACommandLineMustFitTheSystemBuffer) {
    // The folder and the value together: 259 characters fit, 260 do not.
    const std::string fits = "\\" + std::string(259 - 9, 'x');
    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = fits;
    RunLauncherStartup(system, "QXLauncher.INI", clock);
    ASSERT_EQ(system.commandLines.size(), 1u);
    EXPECT_EQ(system.commandLines[0].size(), 259u);

    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = fits + "y";
    RunLauncherStartup(system, "QXLauncher.INI", clock);
    EXPECT_EQ(system.commandLines.size(), 1u);
    const std::string log = Log();
    EXPECT_EQ(log.substr(log.size() - 16 - Line("CreateProcess() failed").size()),
              Line("CreateProcess() failed") + "</body>\n</html>\n");
}

TEST_F(LauncherTest, RunsWithoutALogWhenTheFileCannotBeOpened) {
    system.windowsDirectory = dir.File("missing") + "/";
    system.profiles.values[{"LAUNCHER", "Execute_FRA"}] = "\\tool.exe";
    EXPECT_FALSE(RunLauncherStartup(system, "QXLauncher.INI", clock));
    EXPECT_EQ(system.commandLines, std::vector<std::string>{"C:\\Tools\\tool.exe"});
}

TEST(RegionalSettings, MapsThePrimaryLanguageAndIgnoresTheSublanguage) {
    test::LogStateGuard state;
    SetLogLevel(4);
    RecordingSink sink;
    SetCurrentLog(&sink);
    const struct {
        const char* id;
        const char* code;
        int severity;
        const char* line;
    } cases[] = {
        {"0407", "DEU", LOG, " Regional settings : GERMAN detected"},
        {"0807", "DEU", LOG, " Regional settings : GERMAN detected"},
        {"0409", "ENU", LOG, " Regional settings : ENGLISH detected"},
        {"0809", "ENU", LOG, " Regional settings : ENGLISH detected"},
        {"2c0a", "ESP", LOG, " Regional settings : SPANISH detected"},
        {"040C", "FRA", LOG, " Regional settings : FRENCH detected"},
        {"100c", "FRA", LOG, " Regional settings : FRENCH detected"},
        {"0410", "ITA", LOG, " Regional settings : ITALIAN detected"},
        {"0813", "NLD", LOG, " Regional settings : DUTCH detected"},
        {"0416", "ENU", WNG,
         " GetRegionalSettings() : Could not find language... returning English as default."},
        {"zz", "ENU", WNG,
         " GetRegionalSettings() : Could not find language... returning English as default."},
    };
    for (const auto& c : cases) {
        sink.lines.clear();
        EXPECT_STREQ(GetRegionalSettings(std::string(c.id)), c.code) << c.id;
        ASSERT_EQ(sink.lines.size(), 2u) << c.id;
        EXPECT_EQ(sink.lines[0].first, DBG);
        EXPECT_EQ(sink.lines[1], std::make_pair(c.severity, std::string(c.line))) << c.id;
    }
    EXPECT_EQ(sink.lines[0].second, "Detected language code is zz, Primary Language = 0");
}

}  // namespace
}  // namespace z8
