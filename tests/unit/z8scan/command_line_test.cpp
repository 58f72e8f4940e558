#include "tools/z8scan/command_line.h"

#include <gtest/gtest.h>

namespace z8scan {
namespace {

TEST(CommandLine, KnownCommands) {
    EXPECT_EQ(ParseCommandLine({"list"}).options.command, Command::List);
    for (const char* help : {"help", "-h", "--help"}) {
        const ParseResult r = ParseCommandLine({help});
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.options.command, Command::Help);
    }
}

TEST(CommandLine, SessionOptions) {
    const ParseResult r =
        ParseCommandLine({"session", "--source", "VARUR UZ Edazi 1.0", "--no-ui", "--hold", "3",
                          "--cycles", "2", "--verbose", "--escape-after", "2"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Session);
    EXPECT_EQ(r.options.source, "VARUR UZ Edazi 1.0");
    EXPECT_FALSE(r.options.showUI);
    EXPECT_EQ(r.options.holdSeconds, 3);
    EXPECT_EQ(r.options.cycles, 2);
    EXPECT_TRUE(r.options.verbose);
    EXPECT_EQ(r.options.escapeAfter, 2);

    const ParseResult defaults = ParseCommandLine({"session"});
    EXPECT_TRUE(defaults.options.showUI);
    EXPECT_EQ(defaults.options.holdSeconds, 0);
    EXPECT_EQ(defaults.options.cycles, 1);
}

TEST(CommandLine, MistakesAreNamed) {
    EXPECT_EQ(ParseCommandLine({}).error, "no command given");
    EXPECT_EQ(ParseCommandLine({"scan"}).error, "unknown command 'scan'");
    EXPECT_EQ(ParseCommandLine({"list", "x"}).error, "unexpected argument 'x'");
    // Session options belong to the session.
    EXPECT_EQ(ParseCommandLine({"list", "--ui"}).error, "unexpected argument '--ui'");
    EXPECT_EQ(ParseCommandLine({"session", "--source"}).error, "--source needs a value");
    EXPECT_EQ(ParseCommandLine({"session", "--hold", "0"}).error,
              "--hold takes a number of seconds from 1 to 3600");
    EXPECT_EQ(ParseCommandLine({"session", "--hold", "2s"}).error,
              "--hold takes a number of seconds from 1 to 3600");
    EXPECT_EQ(ParseCommandLine({"session", "--cycles", "101"}).error,
              "--cycles takes a number from 1 to 100");
}

}  // namespace
}  // namespace z8scan
