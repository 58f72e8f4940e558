#include "tools/z8scan/sessions_plan.h"

#include <gtest/gtest.h>

namespace z8scan {
namespace {

using Args = std::vector<std::string>;

TEST(SessionsPlan, KindsInTurnEachRoundWithoutThenWithTheDialog) {
    const SessionsParse parsed =
        ParseSessions({"--count", "7", "--kinds", "native,memory,file", "--dpi", "50"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.count, 7);
    const Args ui{"--ui", "--press-scan"};
    const Args expected[] = {
        {"--dpi", "50", "--native"},
        {"--dpi", "50", "--memory"},
        {"--dpi", "50", "--file"},
        {"--dpi", "50", "--native", "--ui", "--press-scan"},
        {"--dpi", "50", "--memory", "--ui", "--press-scan"},
        {"--dpi", "50", "--file", "--ui", "--press-scan"},
        {"--dpi", "50", "--native"},
    };
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(SessionArguments(parsed.options, n), expected[n - 1]) << n;
        EXPECT_TRUE(ParseAcquire(SessionArguments(parsed.options, n)).ok) << n;
    }

    const SessionsParse defaults = ParseSessions({});
    ASSERT_TRUE(defaults.ok);
    EXPECT_EQ(defaults.options.count, 100);
    EXPECT_EQ(SessionArguments(defaults.options, 3), (Args{"--native", "--ui", "--press-scan"}));
}

TEST(SessionsPlan, MistakesAreNamed) {
    const struct {
        Args args;
        const char* error;
    } cases[] = {
        {{"--count", "0"}, "--count takes a number of sessions from 1 to 10000"},
        {{"--count"}, "--count needs a value"},
        {{"--kinds", "native,,memory"},
         "--kinds takes native, memory and file, separated by commas"},
        {{"--kinds", "twain"}, "--kinds takes native, memory and file, separated by commas"},
        // Acquire options are checked as acquire checks them.
        {{"--dpi", "0"}, "--dpi takes a resolution from 1 to 2400"},
        {{"--lines"}, "unexpected argument '--lines'"},
    };
    for (const auto& c : cases) {
        const SessionsParse parsed = ParseSessions(c.args);
        EXPECT_FALSE(parsed.ok) << c.args[0];
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(SessionsPlan, FiguresMustEndWhereTheFirstSessionLeftThem) {
    const ProcessFigures first{120, 6 << 20, 1 << 20, 3, 2}, halfway{120, 8 << 20, 1 << 20, 3, 2};
    const auto with = [&](auto change) {
        ProcessFigures last = halfway;
        change(last);
        return Growth(first, halfway, last);
    };
    EXPECT_EQ(with([](ProcessFigures&) {}), "");
    EXPECT_EQ(with([](ProcessFigures& f) { f.handles -= 5; }), "");
    EXPECT_EQ(with([](ProcessFigures& f) {
                  f.privateBytes += kPrivateBytesSlack;
                  f.heapBytes += kHeapBytesSlack;
              }),
              "");
    EXPECT_EQ(with([](ProcessFigures& f) { f.heapBytes += kHeapBytesSlack + 1; }),
              "heap bytes since halfway 1048576 -> 1064961");
    EXPECT_EQ(with([](ProcessFigures& f) { f.privateBytes += kPrivateBytesSlack + 1; }),
              "private bytes since halfway 8388608 -> 8912897");
    EXPECT_EQ(with([](ProcessFigures& f) {
                  f.handles += 1;
                  f.threads += 1;
                  f.windows += 2;
              }),
              "handles 120 -> 121, threads 3 -> 4, windows 2 -> 4");
    EXPECT_EQ(DescribeFigures(halfway),
              "120 handles, 8192 KiB private, 1024 KiB in heaps, 3 threads, 2 windows");
}

}  // namespace
}  // namespace z8scan
