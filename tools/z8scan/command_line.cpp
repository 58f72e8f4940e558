#include "tools/z8scan/command_line.h"

#include <charconv>
#include <optional>

#include "tools/z8scan/capability_names.h"
#include "tools/z8scan/container_text.h"

namespace z8scan {
namespace {

std::optional<TW_UINT16> StepMessage(const std::string& verb) {
    if (verb == "get") return MSG_GET;
    if (verb == "getcurrent") return MSG_GETCURRENT;
    if (verb == "getdefault") return MSG_GETDEFAULT;
    if (verb == "querysupport") return MSG_QUERYSUPPORT;
    if (verb == "set") return MSG_SET;
    if (verb == "reset") return MSG_RESET;
    return std::nullopt;
}

// Reads one capability command starting at args[i] (its verb); leaves i on
// its last argument. Empty on success, else the complaint.
std::string ParseStep(const std::vector<std::string>& args, size_t& i, CapabilityStep& step) {
    const std::string& verb = args[i];
    step.msg = *StepMessage(verb);
    const size_t needed = step.msg == MSG_SET ? 3 : 1;
    if (i + needed >= args.size()) {
        return step.msg == MSG_SET ? "set needs a capability, an item type and a value"
                                   : verb + " needs a capability";
    }
    const std::string& name = args[++i];
    if (name == "all") {
        if (step.msg == MSG_SET) return "set takes one capability, not 'all'";
        step.all = true;
    } else if (const std::optional<TW_UINT16> cap = ParseCapability(name)) {
        step.cap = *cap;
    } else {
        return "unknown capability '" + name + "'";
    }
    if (step.msg != MSG_SET) return "";
    const std::string& type = args[++i];
    const std::optional<TW_UINT16> itemType = ParseItemType(type);
    if (!itemType) return "unknown item type '" + type + "'";
    step.itemType = *itemType;
    const std::string& value = args[++i];
    if (!ParseItem(step.itemType, value, step.item))
        return "'" + value + "' is not a " + ItemTypeName(step.itemType) + " value";
    return "";
}

}  // namespace

bool ParseCount(const std::string& text, int min, int max, int& out) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < min || value > max) return false;
    out = value;
    return true;
}

const char* UsageText() {
    return "usage: z8scan [--manager twain32|twaindsm] <command> [options]\n"
           "\n"
           "Drives TWAIN data sources through the source manager: twain_32.dll, or with\n"
           "--manager twaindsm the 2.x manager TWAINDSM.dll.\n"
           "\n"
           "commands:\n"
           "  list          list every source the manager finds, with its identity\n"
           "  session       open a source, enable it, pass every window message through\n"
           "                it until it reports a transfer or a close request (with\n"
           "                --script: until the script's last step), then disable and\n"
           "                close it\n"
           "  caps STEP...  open a source, take the capability steps in order, close it;\n"
           "                the word caps may be left out before the first step\n"
           "  acquire       scan pages and write them as BMP files (z8scan acquire --help)\n"
           "  sessions      many acquisitions in one process, its resources watched\n"
           "                (z8scan sessions --help)\n"
           "  help          show this text (also -h, --help)\n"
           "\n"
           "capability steps (CAP: a name such as ICAP_PIXELTYPE, a number such as\n"
           "0x0101, or all for every capability the source lists in CAP_SUPPORTEDCAPS):\n"
           "  get CAP            MSG_GET and print the container\n"
           "  getcurrent CAP     MSG_GETCURRENT\n"
           "  getdefault CAP     MSG_GETDEFAULT\n"
           "  querysupport CAP   MSG_QUERYSUPPORT, with the operations named\n"
           "  reset CAP          MSG_RESET\n"
           "  set CAP TYPE VALUE MSG_SET with a TW_ONEVALUE; TYPE is int8, int16, int32,\n"
           "                     uint8, uint16, uint32, bool or fix32; VALUE a number\n"
           "                     (0x.. for hexadecimal), true/false, or a real for fix32\n"
           "\n"
           "options:\n"
           "  --source NAME    the source's product name (default: the manager's default)\n"
           "  --verbose        print each triplet with its return and condition codes\n"
           "session options:\n"
           "  --ui / --no-ui   enable with or without the source's dialog (default --ui)\n"
           "  --hold SECONDS   end the session after this long if nothing happened\n"
           "  --cycles N       repeat the whole session N times in this process (1-100)\n"
           "  --escape-after SECONDS  press Esc in the source's dialog after this long\n"
           "  --script FILE    drive the source's windows with the steps in FILE (below)\n"
           "\n"
           "dialog scripts (--script): one step per line; a line starting with # and a\n"
           "lone # after a step begin comments. Words are separated by blanks; \"quote\"\n"
           "a text holding blanks or a word such as within (\\\" and \\\\ inside). Texts\n"
           "are UTF-8. ID is a control id of the current window (decimal, or 0x\n"
           "hexadecimal); where the step allows it, window means the current window\n"
           "itself (its title, its client area) and screen the whole screen. Each step\n"
           "prints \"ok STEP\" or \"FAIL STEP: reason\"; a leading ! expects the step to\n"
           "fail (\"ok !STEP (failed as expected: reason)\"). Notifications from the\n"
           "source are printed and do not end the session: it runs until the last step,\n"
           "then disables and closes the source, and exits 1 when a step failed or a\n"
           "message box, About box or image parameters window was left open (it closes\n"
           "them).\n"
           "Steps that wait poll every 20 ms for 10 s, or for the time of a trailing\n"
           "\"within SECONDS\" (such as within 0.5). An action returns once the\n"
           "application has taken the messages it posted; it is refused when its\n"
           "control is hidden or disabled, or its window disabled.\n"
           "  wait-window KIND         wait until such a window is shown and make it the\n"
           "                           current window. KIND: scanning (the scanning\n"
           "                           dialog), parameters (image parameters), progress,\n"
           "                           message (a message box), about (the About box),\n"
           "                           save (the system's save-file dialog)\n"
           "  wait-gone KIND           wait until no such window is shown\n"
           "  click ID                 click a button (BM_CLICK); any other control is\n"
           "                           pressed and released in its middle\n"
           "  press ID                 click, and go on without waiting for the\n"
           "                           application to take it (a button that scans)\n"
           "  select ID TEXT           choose the combo or list entry of that exact text,\n"
           "                           then tell the parent (CBN_SELCHANGE/LBN_SELCHANGE)\n"
           "  select-index ID N        the same by the entry's index from 0\n"
           "  type ID TEXT             select all of an edit (or a combo's edit) and type\n"
           "                           TEXT as keys; \"\" clears it\n"
           "  drag ID|window X1 Y1 X2 Y2  press the left button at X1,Y1, move in eight\n"
           "                           steps, release at X2,Y2 (client coordinates)\n"
           "  hover ID                 move the mouse over a control's middle (no button)\n"
           "  button-down ID           press the left button in a control's middle and\n"
           "                           hold it (a drag out of it ends the press)\n"
           "  system-command window ITEM  choose the window's system menu item ITEM\n"
           "                           (WM_SYSCOMMAND; the scanning dialog's About is 16)\n"
           "  slide ID POSITION        put a slider's thumb at POSITION and tell the\n"
           "                           parent (WM_HSCROLL or WM_VSCROLL, TB_THUMBPOSITION\n"
           "                           then TB_ENDTRACK)\n"
           "  expect-text ID|window TEXT           the text (a window's title) is TEXT\n"
           "  expect-text-contains ID|window TEXT  the text holds TEXT\n"
           "  expect-enabled ID|window, expect-disabled ID|window\n"
           "  expect-visible ID|window, expect-hidden ID|window\n"
           "  expect-entries ID [TEXT...]          a combo's or list's entries, all, in\n"
           "                                       order (none: it is empty)\n"
           "  expect-pixel ID|window X Y #RRGGBB [TOLERANCE]  the colour at a client\n"
           "                           point, each channel within TOLERANCE (default 0),\n"
           "                           read once the window has painted\n"
           "  expect-size ID|window WIDTH HEIGHT   the client area's size in pixels\n"
           "  wait-text, wait-text-contains, wait-enabled, wait-disabled, wait-visible,\n"
           "  wait-hidden, wait-entries, wait-pixel, wait-size\n"
           "                           the same arguments as expect-...: wait until it\n"
           "                           holds\n"
           "  expect-message TEXT      wait for a message box, check its text (exact),\n"
           "                           then close it with OK (or Cancel)\n"
           "  expect-message-contains TEXT  the same, the text holding TEXT\n"
           "  screenshot ID|window|screen FILE  save what is shown (a window with its\n"
           "                           frame) as FILE, .bmp or .png by its name\n"
           "  wait-event EVENT         wait for a notification from the source:\n"
           "                           MSG_XFERREADY, MSG_CLOSEDSREQ, MSG_CLOSEDSOK or\n"
           "                           MSG_DEVICEEVENT; each arrival answers one step\n"
           "\n"
           "exit codes: 0 success, 1 the manager or a source failed or refused a step,\n"
           "or a script step failed, 2 bad command line or script\n";
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    ParseResult result;
    if (args.empty()) {
        result.error = "no command given";
        return result;
    }
    const std::string& command = args[0];
    size_t first = 1;
    if (command == "help" || command == "-h" || command == "--help") {
        result.options.command = Command::Help;
    } else if (command == "list") {
        result.options.command = Command::List;
    } else if (command == "session") {
        result.options.command = Command::Session;
    } else if (command == "caps") {
        result.options.command = Command::Capabilities;
    } else if (StepMessage(command)) {
        result.options.command = Command::Capabilities;
        first = 0;
    } else {
        result.error = "unknown command '" + command + "'";
        return result;
    }
    const bool session = result.options.command == Command::Session;
    const bool caps = result.options.command == Command::Capabilities;
    const bool withSource = session || caps;
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (caps && StepMessage(arg)) {
            CapabilityStep step;
            result.error = ParseStep(args, i, step);
            if (!result.error.empty()) return result;
            result.options.steps.push_back(step);
        } else if (session && arg == "--ui") {
            result.options.showUI = true;
        } else if (session && arg == "--no-ui") {
            result.options.showUI = false;
        } else if (withSource && arg == "--verbose") {
            result.options.verbose = true;
        } else if (withSource && arg == "--source" && hasValue) {
            result.options.source = args[++i];
        } else if (session && arg == "--hold" && hasValue) {
            if (!ParseCount(args[++i], 1, 3600, result.options.holdSeconds)) {
                result.error = "--hold takes a number of seconds from 1 to 3600";
                return result;
            }
        } else if (session && arg == "--cycles" && hasValue) {
            if (!ParseCount(args[++i], 1, 100, result.options.cycles)) {
                result.error = "--cycles takes a number from 1 to 100";
                return result;
            }
        } else if (session && arg == "--script" && hasValue) {
            result.options.script = args[++i];
        } else if (session && arg == "--escape-after" && hasValue) {
            if (!ParseCount(args[++i], 1, 3600, result.options.escapeAfter)) {
                result.error = "--escape-after takes a number of seconds from 1 to 3600";
                return result;
            }
        } else if ((withSource && arg == "--source") ||
                   (session && (arg == "--hold" || arg == "--cycles" || arg == "--escape-after" ||
                                arg == "--script"))) {
            result.error = arg + " needs a value";
            return result;
        } else {
            result.error = "unexpected argument '" + arg + "'";
            return result;
        }
    }
    if (caps && result.options.steps.empty()) {
        result.error = "caps needs at least one capability step";
        return result;
    }
    result.ok = true;
    return result;
}

ManagerChoice TakeManagerOption(std::vector<std::string>& args) {
    ManagerChoice choice;
    if (args.empty() || args[0] != "--manager") {
        choice.ok = true;
        choice.library = "twain_32.dll";
        return choice;
    }
    const std::string name = args.size() > 1 ? args[1] : "";
    if (name == "twain32") {
        choice.library = "twain_32.dll";
    } else if (name == "twaindsm") {
        choice.library = "TWAINDSM.dll";
    } else {
        choice.error = "--manager takes twain32 or twaindsm";
        return choice;
    }
    args.erase(args.begin(), args.begin() + 2);
    choice.ok = true;
    return choice;
}

}  // namespace z8scan
