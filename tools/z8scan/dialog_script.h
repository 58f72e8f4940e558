#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "twain/twain.h"

namespace z8scan {

// The source's windows that a script can wait for, told apart by a control
// only each of them has.
enum class WindowKind { Scanning, Parameters, Progress, Message, About };

enum class Verb {
    WaitWindow,  // makes the window found the one that later steps address
    WaitGone,
    Click,
    Press,        // a click that does not wait for the application to take it
    Select,       // a combo entry by its text
    SelectIndex,  // a combo entry by its index
    Type,
    Drag,
    Slide,
    Hover,          // the mouse over a control's middle, no button held
    ButtonDown,     // the left button pressed in a control's middle and held
    SystemCommand,  // a system menu item chosen in the window
    Text,           // the checks: expect-... tests once, wait-... until it holds
    TextContains,
    Enabled,
    Disabled,
    Visible,
    Hidden,
    Entries,
    Pixel,
    Size,
    Message,  // a message box's text, then its OK button
    MessageContains,
    Screenshot,
    WaitEvent,
};

// What a step addresses: a control of the current window by its id, the
// current window itself, or the whole screen.
enum class Target { Control, Window, Screen };

struct ScriptStep {
    int line = 0;
    std::string text{};          // the step as written, for the report
    bool expectFailure = false;  // written with a leading '!'
    Verb verb = Verb::Click;
    bool poll = false;  // a check written wait-...: repeated until it holds
    WindowKind window = WindowKind::Scanning;
    Target target = Target::Control;
    unsigned control = 0;
    std::vector<std::string> words{};  // texts, combo entries or a file name (UTF-8)
    std::vector<int> numbers{};        // an index, a position, points, a size
    uint32_t colour = 0;               // 0xRRGGBB
    int tolerance = 0;                 // per channel
    TW_UINT16 event = 0;
    int limitMs = 10000;  // how long a step that waits may wait
};

struct ScriptParse {
    bool ok = false;
    std::vector<ScriptStep> steps;
    std::string error;  // "line N: ..." when !ok
};

// Reads a script, one step per line.
ScriptParse ParseScript(std::string_view text);

}  // namespace z8scan
