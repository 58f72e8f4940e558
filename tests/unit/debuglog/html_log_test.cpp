#include <gtest/gtest.h>

#include <string>

#include "debuglog/debug_html.h"
#include "debuglog/log_file_html.h"
#include "debuglog/log_write.h"
#include "tests/unit/debuglog/test_support.h"

namespace z8 {
namespace {

using test::FixedClock;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Natively a line feed is stored as itself; on Windows the text-mode stream
// turns each into CR LF.
std::string Header(const std::string& path) {
    return "<html>\n<head>\n<TITLE>" + path + "</TITLE>\n</head>\n<body>\n" +
           "<font face=\"Courier New, Courier, mono\" color=\"#3300FF\">====================== " +
           path + " ======================</FONT><br>\n";
}

const std::string kNewLog =
    "<font face=\"Courier New, Courier, mono\" color=\"#FF0000\">"
    "=================== NEW LOG =======================</FONT><br>\n";
const std::string kClosing = "</body>\n</html>\n";
const std::string kTime = "<b><font face=\"Courier New, Courier, mono\">09:05:07:042ms</FONT></b>";

class HtmlLogTest : public ::testing::Test {
protected:
    std::string Styled(std::string_view text, LogStyle style) {
        const std::string path = dir.File("styled.htm");
        {
            CLogFileHtml file(path, false, clock);
            EXPECT_TRUE(file.WriteString(text, style));
        }
        const std::string bytes = ReadFile(path);
        const std::string header = Header(path);
        EXPECT_EQ(bytes.substr(0, header.size()), header);
        return bytes.substr(header.size(), bytes.size() - header.size() - kClosing.size());
    }

    TempDir dir;
    FixedClock clock;
};

TEST_F(HtmlLogTest, FreshLogHasHeaderLinesAndClosingTags) {
    const std::string path = dir.File("Launcher.htm");
    WriteFile(path, "stale contents that are not a log at all");
    {
        test::LogStateGuard state;
        SetLogLevel(4);
        CDebugHtml log(clock);
        ASSERT_TRUE(log.Open(path, false));
        LogWrite(&log, ERR, "Failed to read section %s", "LAUNCHER");
        LogWrite(&log, WNG, "careful");
        LogWrite(&log, LOG, " Regional settings : FRENCH detected");
        LogTrace(&log, "QXLauncher started...");
    }
    EXPECT_EQ(ReadFile(path),
              Header(path) + kTime +
                  " : <b><font face=\"Courier New, Courier, mono\" color=\"#FF0000\">>> ERROR "
                  "<< </FONT></b>Failed to read section LAUNCHER<br>\n" +
                  kTime +
                  " : <font face=\"Courier New, Courier, mono\" color=\"#009933\">>> WARNING << "
                  "</FONT>careful<br>\n" +
                  kTime +
                  " : <b><font color=\"#3300FF\"> Regional settings : FRENCH "
                  "detected</FONT></b><br>\n" +
                  kTime + " : QXLauncher started...<br>\n" + kClosing);
}

TEST_F(HtmlLogTest, AppendReplacesTheClosingTagsOfTheLastRun) {
    const std::string path = dir.File("run.htm");
    for (const char* text : {"first run", "second run", "third run"}) {
        CDebugHtml log(clock);
        ASSERT_TRUE(log.Open(path, true));
        LogTrace(&log, "%s", text);
    }
    const std::string line = kTime + " : ";
    EXPECT_EQ(ReadFile(path), Header(path) + line + "first run<br>\n" + kNewLog + line +
                                  "second run<br>\n" + kNewLog + line + "third run<br>\n" +
                                  kClosing);
}

TEST_F(HtmlLogTest, AppendToAForeignOrShortFileStartsAfresh) {
    const std::string foreign = dir.File("foreign.htm");
    WriteFile(foreign, "some other program's text,\nlonger than the closing lines\n</body>\n");
    const std::string shortFile = dir.File("short.htm");
    WriteFile(shortFile, "</body>\n");
    const std::string exact = dir.File("exact.htm");
    WriteFile(exact, kClosing);
    for (const std::string& path : {foreign, shortFile, exact}) {
        {
            CLogFileHtml file(path, true, clock);
            EXPECT_TRUE(file.IsOpen());
        }
        EXPECT_EQ(ReadFile(path), Header(path) + kClosing) << path;
    }
}

TEST_F(HtmlLogTest, StylesWrapTheTextInTheirTags) {
    EXPECT_EQ(Styled("plain <&>", 0), "plain <&>");
    EXPECT_EQ(Styled("t", log_style::kBold), "<b>t</b>");
    EXPECT_EQ(Styled("t", log_style::kItalic), "<i>t</i>");
    EXPECT_EQ(Styled("t", log_style::kBold | log_style::kItalic | log_style::kTimes),
              "<b><i><font face=\"Times New Roman, Times, serif\">t</FONT></i></b>");
    EXPECT_EQ(Styled("t", log_style::kArial | log_style::kGreen),
              "<font face=\"Arial, Helvetica, sans-serif\" color=\"#009933\">t</FONT>");
    EXPECT_EQ(Styled("t", log_style::kItalic | log_style::kRed),
              "<i><font color=\"#FF0000\">t</FONT></i>");
    // Faces and colours are byte values: 0x800, 0x300 and 0x30000 name none.
    EXPECT_EQ(Styled("t", 0x800 | log_style::kBold | log_style::kItalic), "<b><i>t</i></b>");
    EXPECT_EQ(Styled("t", 0x300 | 0x30000 | log_style::kItalic), "<i>t</i>");
    EXPECT_EQ(Styled("t", 0x800), "t");
    EXPECT_EQ(Styled("a < b & c", log_style::kBlue), "<font color=\"#3300FF\">a < b & c</FONT>");
}

TEST_F(HtmlLogTest, RefusalsLeaveTheirLastErrorText) {
    CLogFileHtml file(std::string(), false, clock);
    EXPECT_EQ(file.LastError(), "NO_ERROR");
    EXPECT_FALSE(file.WriteString("x", 0));
    EXPECT_EQ(file.LastError(), " CLogFileHtml::WriteString : File is not opened...");
    EXPECT_FALSE(file.WriteENDL());
    EXPECT_EQ(file.LastError(), " CLogFileHtml::WriteENDL : File is not opened...");
    EXPECT_FALSE(file.WriteTime(0));
    EXPECT_TRUE(file.Close());

    const std::string missing = dir.File("no-such-folder/log.htm");
    EXPECT_FALSE(file.Open(missing, true));
    EXPECT_EQ(file.LastError().rfind("Could not open file " + missing + ", error =", 0), 0u);
    EXPECT_GT(file.LastError().size(), ("Could not open file " + missing + ", error =").size());

    ASSERT_TRUE(file.Open(dir.File("ok.htm"), false));
    EXPECT_FALSE(file.Open(dir.File("other.htm"), false));
    EXPECT_EQ(file.LastError(), " CLogFileHtml::Open : File is already opened...");
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadFile(dir.File("ok.htm")), Header(dir.File("ok.htm")) + kClosing);
}

TEST_F(HtmlLogTest, ASinkThatCannotOpenRefusesEveryLine) {
    CDebugHtml log(clock);
    EXPECT_FALSE(log.Write(ERR, "before open"));
    EXPECT_FALSE(log.Open(dir.File("missing/x.htm"), true));
    EXPECT_FALSE(LogWrite(&log, ERR, "after a failed open"));
}

TEST_F(HtmlLogTest, TimeIsPaddedToItsFields) {
    clock.now = LocalTime{2024, 12, 31, 23, 59, 58, 999};
    const std::string path = dir.File("time.htm");
    {
        CLogFileHtml file(path, false, clock);
        file.WriteTime(0);
        clock.now = LocalTime{2024, 1, 2, 0, 1, 2, 3};
        file.WriteTime(0);
    }
    EXPECT_EQ(ReadFile(path), Header(path) + "23:59:58:999ms00:01:02:003ms" + kClosing);
}

TEST(DefaultHtmlLogPath, NamesTheLogAfterTheProgram) {
    EXPECT_EQ(DefaultHtmlLogPath("C:\\WINDOWS\\\\", "C:\\Tools\\QXLauncher.exe"),
              "C:\\WINDOWS\\QXLauncher.htm");
    EXPECT_EQ(DefaultHtmlLogPath("C:\\WINDOWS", ""), "C:\\WINDOWS\\DefaultLog.htm");
}

}  // namespace
}  // namespace z8
