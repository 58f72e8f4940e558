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

TEST(CommandLine, ManagerChosenBeforeTheCommand) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        const char* library;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {{"list"}, true, "twain_32.dll", {"list"}},
        {{"--manager", "twaindsm", "acquire", "--memory"},
         true,
         "TWAINDSM.dll",
         {"acquire", "--memory"}},
        {{"--manager", "twain32", "list"}, true, "twain_32.dll", {"list"}},
        {{"--manager", "twain64"}, false, "", {"--manager", "twain64"}},
        {{"--manager"}, false, "", {"--manager"}},
        // Only before the command: after it, the command's parser complains.
        {{"list", "--manager", "twaindsm"},
         true,
         "twain_32.dll",
         {"list", "--manager", "twaindsm"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        const ManagerChoice choice = TakeManagerOption(args);
        EXPECT_EQ(choice.ok, c.ok) << c.args[0];
        EXPECT_EQ(choice.library, c.library);
        EXPECT_EQ(args, c.left);
        EXPECT_EQ(choice.error, c.ok ? "" : "--manager takes twain32 or twaindsm");
    }
}

TEST(CommandLine, SessionOptions) {
    const ParseResult r = ParseCommandLine(
        {"session", "--source", "VARUR UZ Edazi 1.0", "--no-ui", "--hold", "3", "--cycles", "2",
         "--verbose", "--escape-after", "2", "--script", "Z:/tmp/dialog.txt"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Session);
    EXPECT_EQ(r.options.source, "VARUR UZ Edazi 1.0");
    EXPECT_FALSE(r.options.showUI);
    EXPECT_EQ(r.options.holdSeconds, 3);
    EXPECT_EQ(r.options.cycles, 2);
    EXPECT_TRUE(r.options.verbose);
    EXPECT_EQ(r.options.escapeAfter, 2);
    EXPECT_EQ(r.options.script, "Z:/tmp/dialog.txt");

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
    EXPECT_EQ(ParseCommandLine({"session", "--script"}).error, "--script needs a value");
    EXPECT_EQ(ParseCommandLine({"caps", "get", "1", "--script", "a"}).error,
              "unexpected argument '--script'");
    EXPECT_EQ(ParseCommandLine({"session", "--hold", "0"}).error,
              "--hold takes a number of seconds from 1 to 3600");
    EXPECT_EQ(ParseCommandLine({"session", "--hold", "2s"}).error,
              "--hold takes a number of seconds from 1 to 3600");
    EXPECT_EQ(ParseCommandLine({"session", "--cycles", "101"}).error,
              "--cycles takes a number from 1 to 100");
}

TEST(CommandLine, CapabilityStepsInOrder) {
    const ParseResult r = ParseCommandLine({"caps",
                                            "--source",
                                            "VARUR UZ Edazi 1.0",
                                            "get",
                                            "all",
                                            "set",
                                            "ICAP_UNITS",
                                            "uint16",
                                            "1",
                                            "getcurrent",
                                            "0x1118",
                                            "querysupport",
                                            "icap_lampstate",
                                            "reset",
                                            "CAP_XFERCOUNT",
                                            "--verbose",
                                            "getdefault",
                                            "1",
                                            "set",
                                            "CAP_XFERCOUNT",
                                            "int16",
                                            "-1"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Capabilities);
    EXPECT_EQ(r.options.source, "VARUR UZ Edazi 1.0");
    EXPECT_TRUE(r.options.verbose);
    const std::vector<CapabilityStep>& s = r.options.steps;
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[0].msg, MSG_GET);
    EXPECT_TRUE(s[0].all);
    EXPECT_EQ(s[1].msg, MSG_SET);
    EXPECT_EQ(s[1].cap, ICAP_UNITS);
    EXPECT_EQ(s[1].itemType, TWTY_UINT16);
    EXPECT_EQ(s[1].item, 1u);
    EXPECT_EQ(s[2].msg, MSG_GETCURRENT);
    EXPECT_EQ(s[2].cap, ICAP_XRESOLUTION);
    EXPECT_EQ(s[3].msg, MSG_QUERYSUPPORT);
    EXPECT_EQ(s[3].cap, ICAP_LAMPSTATE);
    EXPECT_EQ(s[4].msg, MSG_RESET);
    EXPECT_EQ(s[5].msg, MSG_GETDEFAULT);
    EXPECT_EQ(s[5].cap, CAP_XFERCOUNT);
    EXPECT_FALSE(s[5].all);
    EXPECT_EQ(s[6].item, 0xFFFFu);
}

TEST(CapabilityCommandLine, AStepMayStandForTheCommand) {
    const ParseResult r = ParseCommandLine({"getcurrent", "ICAP_PIXELTYPE", "get", "ICAP_GAMMA"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Capabilities);
    ASSERT_EQ(r.options.steps.size(), 2u);
    EXPECT_EQ(r.options.steps[0].cap, ICAP_PIXELTYPE);
    EXPECT_EQ(r.options.steps[1].cap, ICAP_GAMMA);
}

TEST(CapabilityCommandLine, MistakesAreNamed) {
    EXPECT_EQ(ParseCommandLine({"caps"}).error, "caps needs at least one capability step");
    EXPECT_EQ(ParseCommandLine({"get"}).error, "get needs a capability");
    EXPECT_EQ(ParseCommandLine({"get", "ICAP_NOSUCH"}).error, "unknown capability 'ICAP_NOSUCH'");
    EXPECT_EQ(ParseCommandLine({"set", "ICAP_UNITS", "uint16"}).error,
              "set needs a capability, an item type and a value");
    EXPECT_EQ(ParseCommandLine({"set", "all", "uint16", "1"}).error,
              "set takes one capability, not 'all'");
    EXPECT_EQ(ParseCommandLine({"set", "ICAP_UNITS", "short", "1"}).error,
              "unknown item type 'short'");
    EXPECT_EQ(ParseCommandLine({"set", "CAP_XFERCOUNT", "uint16", "-1"}).error,
              "'-1' is not a TWTY_UINT16 value");
    EXPECT_EQ(ParseCommandLine({"caps", "get", "1", "--no-ui"}).error,
              "unexpected argument '--no-ui'");
    EXPECT_EQ(ParseCommandLine({"caps", "get", "1", "--source"}).error, "--source needs a value");
    // Steps belong to the capability command.
    EXPECT_EQ(ParseCommandLine({"session", "get", "1"}).error, "unexpected argument 'get'");
}

}  // namespace
}  // namespace z8scan
