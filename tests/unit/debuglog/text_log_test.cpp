#include <gtest/gtest.h>

#include <string>

#include "debuglog/debug_common.h"
#include "debuglog/debug_outputs.h"
#include "debuglog/debug_txt.h"
#include "debuglog/debug_visual.h"
#include "debuglog/log_write.h"
#include "debuglog/text_log_file.h"
#include "tests/unit/debuglog/test_support.h"

namespace z8 {
namespace {

using test::FixedClock;
using test::ReadFile;
using test::RecordingSink;
using test::TempDir;
using test::WriteFile;

TEST(TextLogFile, StampsInBothModesAndNoneInOthers) {
    TempDir dir;
    FixedClock clock;
    const std::string path = dir.File("stamps.txt");
    {
        CTextLogFile file(clock);
        file.WriteLine("before open", CTextLogFile::kTimeOnly);
        ASSERT_TRUE(file.Open(path));
        EXPECT_FALSE(file.Open(path));
        file.WriteLine("dated", CTextLogFile::kDateAndTime);
        file.WriteLine("timed", CTextLogFile::kTimeOnly);
        file.WriteLine("bare", 7);
    }
    EXPECT_EQ(ReadFile(path),
              "07/03/2024 09:05:07:042ms  : dated\n"
              "09:05:07:042ms  : timed\n"
              " : bare\n");
    CTextLogFile unnamed(clock);
    EXPECT_FALSE(unnamed.Open(""));
}

TEST(DebugTxt, NumbersItsLinesFromZeroInANewFile) {
    TempDir dir;
    FixedClock clock;
    const std::string path = dir.File("filter.txt");
    WriteFile(path, "an earlier run\n");
    test::LogStateGuard state;
    SetLogLevel(4);
    for (int run = 0; run < 2; ++run) {
        CDebugTxt log(clock);
        EXPECT_FALSE(LogWrite(&log, ERR, "not open"));
        ASSERT_TRUE(log.Open(path));
        EXPECT_TRUE(LogWrite(&log, ERR, "broken %d%%", 100));
        EXPECT_TRUE(LogWrite(&log, WNG, "odd"));
        EXPECT_TRUE(LogWrite(&log, LOG, "noted"));
        EXPECT_TRUE(LogTrace(&log, "traced"));
    }
    EXPECT_EQ(ReadFile(path),
              "09:05:07:042ms  : 0 > >> ERROR << broken 100%\n"
              "09:05:07:042ms  : 1 > >> WARNING << odd\n"
              "09:05:07:042ms  : 2 > noted\n"
              "09:05:07:042ms  : 3 > traced\n");
    CDebugTxt unopened(clock);
    EXPECT_FALSE(unopened.Open(dir.File("missing/x.txt")));
}

TEST(DebugOutputs, HandsEachLineToEveryOutputVerbatim) {
    test::LogStateGuard state;
    SetLogLevel(4);
    RecordingSink first;
    RecordingSink second;
    CDebugOutputs outputs;
    outputs.Add(&first);
    outputs.Add(&second);
    EXPECT_TRUE(LogWriteText(&outputs, WNG, "50% %s %d"));
    first.result = false;
    EXPECT_FALSE(LogTrace(&outputs, "partly"));
    // Every output is tried even after one refused.
    ASSERT_EQ(second.lines.size(), 2u);
    EXPECT_EQ(first.lines[0], std::make_pair(int{WNG}, std::string("50% %s %d")));
    EXPECT_EQ(second.lines[1], std::make_pair(int{DBG}, std::string("partly")));
}

TEST(DebugCommon, ForwardsTaggedLinesToItsTarget) {
    test::LogStateGuard state;
    SetLogLevel(4);
    CDebugCommon common;
    EXPECT_EQ(common.Name(), "UNKNOWN");
    EXPECT_TRUE(LogWrite(&common, ERR, "dropped"));
    EXPECT_FALSE(common.SetName(""));
    EXPECT_EQ(common.Name(), "UNKNOWN");
    EXPECT_TRUE(common.SetName("Scanner"));

    RecordingSink target;
    target.result = false;
    common.SetTarget(&target);
    EXPECT_TRUE(LogWrite(&common, WNG, "100%% %s", "done"));
    ASSERT_EQ(target.lines.size(), 1u);
    EXPECT_EQ(target.lines[0], std::make_pair(int{WNG}, std::string("[Scanner] 100% done")));
}

TEST(DebugVisual, CountsLinesAndAcceptsThem) {
    test::LogStateGuard state;
    SetLogLevel(4);
    CDebugVisual visual;
    EXPECT_TRUE(LogWrite(&visual, ERR, "one"));
    EXPECT_TRUE(LogWrite(&visual, DBG, "two"));
    EXPECT_EQ(visual.LineCount(), 2);
}

}  // namespace
}  // namespace z8
