#include "tools/z8scan/dialog_script.h"

#include <charconv>
#include <optional>

#include "tools/z8scan/picture_file.h"

namespace z8scan {
namespace {

struct Word {
    std::string text;
    bool quoted = false;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits a line into words; a word in double quotes may hold blanks, \" and
// \\. A '#' that starts the line, or stands alone as a word, begins a comment
// (so that a colour such as #FF0000 stays a word). `used` is how much of the
// line the words take, without the comment.
bool SplitWords(std::string_view line, std::vector<Word>& words, size_t& used, std::string& error) {
    size_t i = 0;
    used = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size()) return true;
        const bool alone = i + 1 == line.size() || IsBlank(line[i + 1]);
        if (line[i] == '#' && (words.empty() || alone)) return true;
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            while (true) {
                if (i == line.size()) {
                    error = "unterminated quoted text";
                    return false;
                }
                const char c = line[i++];
                if (c == '"') break;
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    word.text += line[i++];
                } else {
                    word.text += c;
                }
            }
            if (i < line.size() && !IsBlank(line[i])) {
                error = "a blank must follow quoted text";
                return false;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i]))
                word.text += line[i++];
        }
        used = i;
        words.push_back(std::move(word));
    }
}

// How a verb's arguments are read, one letter each:
//   k window kind      c control id        w control id or "window"
//   s control id, "window" or "screen"     t one text
//   n integer          i integer >= 0       p colour #RRGGBB
//   o optional tolerance 0..255             e TWAIN event
//   l every remaining word, as texts
struct VerbForm {
    const char* name;
    Verb verb;
    const char* arguments;
    const char* usage;  // the arguments as the usage text names them
    bool waits;         // accepts "within SECONDS"
    bool poll;
};

constexpr VerbForm kVerbs[] = {
    {"wait-window", Verb::WaitWindow, "k", "KIND", true, false},
    {"wait-gone", Verb::WaitGone, "k", "KIND", true, false},
    {"click", Verb::Click, "c", "ID", true, false},
    {"press", Verb::Press, "c", "ID", false, false},
    {"select", Verb::Select, "ct", "ID TEXT", true, false},
    {"select-index", Verb::SelectIndex, "ci", "ID INDEX", true, false},
    {"type", Verb::Type, "ct", "ID TEXT", true, false},
    {"drag", Verb::Drag, "wnnnn", "ID|window X1 Y1 X2 Y2", true, false},
    {"slide", Verb::Slide, "cn", "ID POSITION", true, false},
    {"hover", Verb::Hover, "c", "ID", true, false},
    {"button-down", Verb::ButtonDown, "c", "ID", true, false},
    {"system-command", Verb::SystemCommand, "wi", "window ITEM", true, false},
    {"expect-message", Verb::Message, "t", "TEXT", true, false},
    {"expect-message-contains", Verb::MessageContains, "t", "TEXT", true, false},
    {"screenshot", Verb::Screenshot, "st", "ID|window|screen FILE", false, false},
    {"wait-event", Verb::WaitEvent, "e", "EVENT", true, false},
};

// Checks come in two forms: expect-NAME tests once, wait-NAME until it holds.
struct CheckForm {
    const char* name;
    Verb verb;
    const char* arguments;
    const char* usage;
};

constexpr CheckForm kChecks[] = {
    {"text", Verb::Text, "wt", "ID|window TEXT"},
    {"text-contains", Verb::TextContains, "wt", "ID|window TEXT"},
    {"enabled", Verb::Enabled, "w", "ID|window"},
    {"disabled", Verb::Disabled, "w", "ID|window"},
    {"visible", Verb::Visible, "w", "ID|window"},
    {"hidden", Verb::Hidden, "w", "ID|window"},
    {"entries", Verb::Entries, "cl", "ID [TEXT...]"},
    {"pixel", Verb::Pixel, "wiipo", "ID|window X Y #RRGGBB [TOLERANCE]"},
    {"size", Verb::Size, "wii", "ID|window WIDTH HEIGHT"},
};

std::optional<VerbForm> FindVerb(std::string_view name) {
    for (const VerbForm& form : kVerbs) {
        if (name == form.name) return form;
    }
    for (const CheckForm& check : kChecks) {
        for (const bool poll : {false, true}) {
            const std::string full = std::string(poll ? "wait-" : "expect-") + check.name;
            if (name == full) {
                return VerbForm{check.name, check.verb, check.arguments, check.usage, poll, poll};
            }
        }
    }
    return std::nullopt;
}

std::optional<long> ParseInteger(std::string_view text, int base) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<unsigned> ParseControlId(std::string_view text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (!hex && !text.empty() && text[0] == '-') return std::nullopt;
    const std::optional<long> value = ParseInteger(hex ? text.substr(2) : text, hex ? 16 : 10);
    if (!value || *value < 0 || *value > 0xFFFF) return std::nullopt;
    return static_cast<unsigned>(*value);
}

std::optional<WindowKind> ParseWindowKind(std::string_view text) {
    if (text == "scanning") return WindowKind::Scanning;
    if (text == "parameters") return WindowKind::Parameters;
    if (text == "progress") return WindowKind::Progress;
    if (text == "message") return WindowKind::Message;
    if (text == "about") return WindowKind::About;
    return std::nullopt;
}

std::optional<TW_UINT16> ParseEvent(std::string_view text) {
    if (text.substr(0, 4) == "MSG_") text.remove_prefix(4);
    if (text == "XFERREADY") return MSG_XFERREADY;
    if (text == "CLOSEDSREQ") return MSG_CLOSEDSREQ;
    if (text == "CLOSEDSOK") return MSG_CLOSEDSOK;
    if (text == "DEVICEEVENT") return MSG_DEVICEEVENT;
    return std::nullopt;
}

std::optional<uint32_t> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    for (const char c : text.substr(1)) {
        const bool digit =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit) return std::nullopt;
    }
    return static_cast<uint32_t>(*ParseInteger(text.substr(1), 16));
}

// Seconds with at most three decimals, more than 0 and at most an hour.
std::optional<int> ParseSeconds(std::string_view text) {
    const size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    if (whole.empty() || whole[0] == '-' || fraction.size() > 3) return std::nullopt;
    if (dot != std::string_view::npos && fraction.empty()) return std::nullopt;
    const std::optional<long> seconds = ParseInteger(whole, 10);
    std::optional<long> thousandths = 0L;
    if (!fraction.empty()) {
        if (fraction[0] == '-' || fraction[0] == '+') return std::nullopt;
        thousandths = ParseInteger(fraction, 10);
        for (size_t n = fraction.size(); n < 3 && thousandths; ++n)
            *thousandths *= 10;
    }
    if (!seconds || !thousandths || *seconds > 3600) return std::nullopt;
    const long ms = *seconds * 1000 + *thousandths;
    if (ms <= 0 || ms > 3600 * 1000) return std::nullopt;
    return static_cast<int>(ms);
}

constexpr long kCoordinateLimit = 100000;

// Reads the verb's arguments from words[first..]; empty on success, else the
// complaint.
std::string ReadArguments(const VerbForm& form, const std::vector<Word>& words, size_t first,
                          ScriptStep& step) {
    const std::string verb = words[first - 1].text;
    size_t i = first;
    for (const char* kind = form.arguments; *kind != '\0'; ++kind) {
        if (*kind == 'l') {
            for (; i < words.size(); ++i)
                step.words.push_back(words[i].text);
            break;
        }
        if (i == words.size()) {
            if (*kind == 'o') break;
            return verb + " needs " + form.usage;
        }
        const Word& word = words[i++];
        const std::string& text = word.text;
        const bool bare = !word.quoted;
        switch (*kind) {
            case 'k': {
                const std::optional<WindowKind> window = ParseWindowKind(text);
                if (!window || !bare) {
                    return "unknown window '" + text +
                           "' (scanning, parameters, progress, message or about)";
                }
                step.window = *window;
                break;
            }
            case 's':
                if (bare && text == "screen") {
                    step.target = Target::Screen;
                    break;
                }
                [[fallthrough]];
            case 'w':
                if (bare && text == "window") {
                    step.target = Target::Window;
                    break;
                }
                [[fallthrough]];
            case 'c': {
                const std::optional<unsigned> id = ParseControlId(text);
                if (!id || !bare) {
                    return "'" + text + "' is not a control id (0 to 65535, or 0x0 to 0xFFFF)" +
                           (*kind == 'c' ? "" : ", nor window") +
                           (*kind == 's' ? " or screen" : "");
                }
                step.target = Target::Control;
                step.control = *id;
                break;
            }
            case 't':
                step.words.push_back(text);
                break;
            case 'n':
            case 'i': {
                const std::optional<long> value = ParseInteger(text, 10);
                const long low = *kind == 'i' ? 0 : -kCoordinateLimit;
                if (!value || *value < low || *value > kCoordinateLimit || !bare) {
                    return "'" + text + "' is not a whole number from " + std::to_string(low) +
                           " to " + std::to_string(kCoordinateLimit);
                }
                step.numbers.push_back(static_cast<int>(*value));
                break;
            }
            case 'p': {
                const std::optional<uint32_t> colour = ParseColour(text);
                if (!colour || !bare) return "'" + text + "' is not a colour #RRGGBB";
                step.colour = *colour;
                break;
            }
            case 'o': {
                const std::optional<long> value = ParseInteger(text, 10);
                if (!value || *value < 0 || *value > 255 || !bare) {
                    return "'" + text + "' is not a tolerance from 0 to 255";
                }
                step.tolerance = static_cast<int>(*value);
                break;
            }
            case 'e': {
                const std::optional<TW_UINT16> event = ParseEvent(text);
                if (!event || !bare) {
                    return "unknown event '" + text +
                           "' (MSG_XFERREADY, MSG_CLOSEDSREQ, MSG_CLOSEDSOK or MSG_DEVICEEVENT)";
                }
                step.event = *event;
                break;
            }
        }
    }
    if (i < words.size())
        return "unexpected '" + words[i].text + "': " + verb + " takes " + form.usage;
    return "";
}

// One line: empty when it is blank or a comment; otherwise a step or the
// complaint.
std::string ParseLine(std::string_view line, std::optional<ScriptStep>& step) {
    std::vector<Word> words;
    size_t used = 0;
    std::string error;
    if (!SplitWords(line, words, used, error)) return error;
    if (words.empty()) return "";

    ScriptStep parsed;
    const size_t start = line.find_first_not_of(" \t\r");
    parsed.text = std::string(line.substr(start, used - start));
    size_t first = 0;
    if (!words[0].quoted && words[0].text[0] == '!') {
        parsed.expectFailure = true;
        words[0].text.erase(0, 1);
        if (words[0].text.empty()) first = 1;
        if (first == words.size()) return "'!' needs a step after it";
    }
    const Word& verbWord = words[first];
    const std::optional<VerbForm> form =
        verbWord.quoted ? std::nullopt : FindVerb(std::string_view(verbWord.text));
    if (!form) return "unknown step '" + verbWord.text + "'";
    parsed.verb = form->verb;
    parsed.poll = form->poll;

    const size_t n = words.size();
    if (n >= first + 3 && !words[n - 2].quoted && words[n - 2].text == "within") {
        if (!form->waits) {
            return verbWord.text + " does not wait, so it takes no 'within'" +
                   (std::string_view(verbWord.text).substr(0, 7) == "expect-"
                        ? " (wait-" + verbWord.text.substr(7) + " waits)"
                        : "");
        }
        const std::optional<int> limit = ParseSeconds(words[n - 1].text);
        if (!limit) return "'within' takes seconds, more than 0 and at most 3600";
        parsed.limitMs = *limit;
        words.resize(n - 2);
    }
    error = ReadArguments(*form, words, first + 1, parsed);
    if (!error.empty()) return error;
    if (parsed.verb == Verb::Screenshot && !PictureFormatFor(parsed.words[0])) {
        return "a screenshot's file name ends in .bmp or .png";
    }
    step = std::move(parsed);
    return "";
}

}  // namespace

ScriptParse ParseScript(std::string_view text) {
    ScriptParse result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    int number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::optional<ScriptStep> step;
        const std::string error = ParseLine(line, step);
        if (!error.empty()) {
            result.error = "line " + std::to_string(number) + ": " + error;
            result.steps.clear();
            return result;
        }
        if (step) {
            step->line = number;
            result.steps.push_back(std::move(*step));
        }
    }
    if (result.steps.empty()) {
        result.error = "the script has no steps";
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace z8scan
