#include "tools/z8scan/dialog_script.h"

#include <gtest/gtest.h>

namespace z8scan {
namespace {

struct StepCase {
    const char* line;
    ScriptStep want;  // line and text are not compared here
};

TEST(DialogScript, EachStepWithItsArguments) {
    using enum Verb;
    const StepCase cases[] = {
        {"wait-window scanning", {.verb = WaitWindow}},
        {"wait-gone message within 2.5",
         {.verb = WaitGone, .window = WindowKind::Message, .limitMs = 2500}},
        {"wait-window parameters within 0.02",
         {.verb = WaitWindow, .window = WindowKind::Parameters, .limitMs = 20}},
        {"click 0x418", {.verb = Click, .control = 1048}},
        {"press 1", {.verb = Press, .control = 1}},
        {"!click 1018 # disabled", {.expectFailure = true, .verb = Click, .control = 1018}},
        {"! click 3 within 1",
         {.expectFailure = true, .verb = Click, .control = 3, .limitMs = 1000}},
        {"select 1076 \"150 dpi\"", {.verb = Select, .control = 1076, .words = {"150 dpi"}}},
        {"select-index 1058 4", {.verb = SelectIndex, .control = 1058, .numbers = {4}}},
        {R"(type 1058 "Mon \"profil\" \\ é")",
         {.verb = Type, .control = 1058, .words = {R"(Mon "profil" \ é)"}}},
        {"type 1058 \"\"", {.verb = Type, .control = 1058, .words = {""}}},
        {"drag 1042 -5 10 200 300", {.verb = Drag, .control = 1042, .numbers = {-5, 10, 200, 300}}},
        {"drag window 1 2 3 4", {.verb = Drag, .target = Target::Window, .numbers = {1, 2, 3, 4}}},
        {"slide 1011 -100", {.verb = Slide, .control = 1011, .numbers = {-100}}},
        {"expect-text 1050 Résolution", {.verb = Text, .control = 1050, .words = {"Résolution"}}},
        {"wait-text-contains window \"VARUR UZ\" within 0.25",
         {.verb = TextContains,
          .poll = true,
          .target = Target::Window,
          .words = {"VARUR UZ"},
          .limitMs = 250}},
        {"expect-disabled 1018", {.verb = Disabled, .control = 1018}},
        {"wait-hidden window", {.verb = Hidden, .poll = true, .target = Target::Window}},
        {"expect-entries 1076", {.verb = Entries, .control = 1076}},
        {"wait-entries 1017 Aucun \"Plus Net\" Détramage within 3",
         {.verb = Entries,
          .poll = true,
          .control = 1017,
          .words = {"Aucun", "Plus Net", "Détramage"},
          .limitMs = 3000}},
        {"expect-pixel 1042 5 6 #FfFfFe 8",
         {.verb = Pixel, .control = 1042, .numbers = {5, 6}, .colour = 0xFFFFFE, .tolerance = 8}},
        {"expect-pixel window 0 0 #102030",
         {.verb = Pixel, .target = Target::Window, .numbers = {0, 0}, .colour = 0x102030}},
        {"expect-size 1032 81 50", {.verb = Size, .control = 1032, .numbers = {81, 50}}},
        {"expect-message-contains \"trop grande\" within 5",
         {.verb = MessageContains, .words = {"trop grande"}, .limitMs = 5000}},
        {"screenshot screen \"Z:/tmp/a b.PNG\"",
         {.verb = Screenshot, .target = Target::Screen, .words = {"Z:/tmp/a b.PNG"}}},
        {"screenshot 1042 pane.bmp", {.verb = Screenshot, .control = 1042, .words = {"pane.bmp"}}},
        {"wait-event XFERREADY within 60",
         {.verb = WaitEvent, .event = MSG_XFERREADY, .limitMs = 60000}},
        {"wait-event MSG_CLOSEDSREQ", {.verb = WaitEvent, .event = MSG_CLOSEDSREQ}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.line);
        const ScriptParse parsed = ParseScript(c.line);
        ASSERT_TRUE(parsed.ok) << parsed.error;
        ASSERT_EQ(parsed.steps.size(), 1u);
        const ScriptStep& got = parsed.steps[0];
        const ScriptStep& want = c.want;
        EXPECT_EQ(got.expectFailure, want.expectFailure);
        EXPECT_EQ(got.verb, want.verb);
        EXPECT_EQ(got.poll, want.poll);
        EXPECT_EQ(got.window, want.window);
        EXPECT_EQ(got.target, want.target);
        EXPECT_EQ(got.control, want.control);
        EXPECT_EQ(got.words, want.words);
        EXPECT_EQ(got.numbers, want.numbers);
        EXPECT_EQ(got.colour, want.colour);
        EXPECT_EQ(got.tolerance, want.tolerance);
        EXPECT_EQ(got.event, want.event);
        EXPECT_EQ(got.limitMs, want.limitMs);
    }
}

TEST(DialogScript, LinesCommentsAndLineEnds) {
    const ScriptParse parsed = ParseScript(
        "\xEF\xBB\xBF# the scanning dialog\r\n"
        "\r\n"
        "  wait-window scanning   # first\r\n"
        "expect-pixel 1042 1 1 #FFFFFF\n"
        "\t!click 3\n"
        "expect-text 1050 \"# not a comment\"");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.steps.size(), 4u);
    EXPECT_EQ(parsed.steps[0].line, 3);
    EXPECT_EQ(parsed.steps[0].text, "wait-window scanning");
    EXPECT_EQ(parsed.steps[1].line, 4);
    EXPECT_EQ(parsed.steps[1].text, "expect-pixel 1042 1 1 #FFFFFF");
    EXPECT_EQ(parsed.steps[2].text, "!click 3");
    EXPECT_EQ(parsed.steps[3].line, 6);
    EXPECT_EQ(parsed.steps[3].words, std::vector<std::string>{"# not a comment"});
}

TEST(DialogScript, MistakesAreNamedWithTheirLine) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"", "the script has no steps"},
        {"# only a comment\n\n", "the script has no steps"},
        {"clik 1", "line 1: unknown step 'clik'"},
        {"\"click\" 1", "line 1: unknown step 'click'"},
        {"!", "line 1: '!' needs a step after it"},
        {"wait-window scanning\nclick", "line 2: click needs ID"},
        {"drag 1042 1 2 3", "line 1: drag needs ID|window X1 Y1 X2 Y2"},
        {"screenshot 1042", "line 1: screenshot needs ID|window|screen FILE"},
        {"click 1 2", "line 1: unexpected '2': click takes ID"},
        {"click 70000", "line 1: '70000' is not a control id (0 to 65535, or 0x0 to 0xFFFF)"},
        {"click -1", "line 1: '-1' is not a control id (0 to 65535, or 0x0 to 0xFFFF)"},
        {"click \"12\"", "line 1: '12' is not a control id (0 to 65535, or 0x0 to 0xFFFF)"},
        {"click window", "line 1: 'window' is not a control id (0 to 65535, or 0x0 to 0xFFFF)"},
        {"expect-text screen x",
         "line 1: 'screen' is not a control id (0 to 65535, or 0x0 to 0xFFFF), nor window"},
        {"expect-text 1050 \"Résolution", "line 1: unterminated quoted text"},
        {"expect-text 1050 \"a\"b", "line 1: a blank must follow quoted text"},
        {"wait-window dialog",
         "line 1: unknown window 'dialog' (scanning, parameters, progress, message or about)"},
        {"expect-text 1050 x within 5",
         "line 1: expect-text does not wait, so it takes no 'within' (wait-text waits)"},
        {"screenshot window a.png within 5",
         "line 1: screenshot does not wait, so it takes no 'within'"},
        {"wait-window scanning within 0",
         "line 1: 'within' takes seconds, more than 0 and at most 3600"},
        {"wait-window scanning within 1.2345",
         "line 1: 'within' takes seconds, more than 0 and at most 3600"},
        {"wait-window scanning within 3601",
         "line 1: 'within' takes seconds, more than 0 and at most 3600"},
        {"wait-window scanning within 2.",
         "line 1: 'within' takes seconds, more than 0 and at most 3600"},
        {"screenshot window shot.jpg", "line 1: a screenshot's file name ends in .bmp or .png"},
        {"expect-pixel 1042 1 2 #12345", "line 1: '#12345' is not a colour #RRGGBB"},
        {"expect-pixel 1042 1 2 #12345G", "line 1: '#12345G' is not a colour #RRGGBB"},
        {"expect-pixel 1042 1 2 #123456 256", "line 1: '256' is not a tolerance from 0 to 255"},
        {"expect-pixel 1042 -1 2 #123456", "line 1: '-1' is not a whole number from 0 to 100000"},
        {"drag 1042 1 2 3 100001", "line 1: '100001' is not a whole number from -100000 to 100000"},
        {"select-index 1058 x", "line 1: 'x' is not a whole number from 0 to 100000"},
        {"wait-event MSG_XFERDONE",
         "line 1: unknown event 'MSG_XFERDONE' (MSG_XFERREADY, MSG_CLOSEDSREQ, MSG_CLOSEDSOK or "
         "MSG_DEVICEEVENT)"},
    };
    for (const auto& c : cases) {
        const ScriptParse parsed = ParseScript(c.script);
        EXPECT_FALSE(parsed.ok) << c.script;
        EXPECT_TRUE(parsed.steps.empty()) << c.script;
        EXPECT_EQ(parsed.error, c.error) << c.script;
    }
}

}  // namespace
}  // namespace z8scan
