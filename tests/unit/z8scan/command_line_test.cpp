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

TEST(CommandLine, MistakesAreNamed) {
    EXPECT_EQ(ParseCommandLine({}).error, "no command given");
    EXPECT_EQ(ParseCommandLine({"scan"}).error, "unknown command 'scan'");
    const ParseResult extra = ParseCommandLine({"list", "x"});
    EXPECT_FALSE(extra.ok);
    EXPECT_EQ(extra.error, "unexpected argument 'x'");
}

}  // namespace
}  // namespace z8scan
