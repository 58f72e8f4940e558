#include "tools/z8scan/dialog_checks.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/z8scan/source_windows.h"
#include "tools/z8scan/window_capture.h"

namespace z8scan {
namespace {

const char kNoAnswer[] = "the window did not answer";

std::string ColourText(uint32_t colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int difference =
            static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(difference) > tolerance) return false;
    }
    return true;
}

bool CheckText(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    std::string text;
    if (!ReadWindowText(target, timeoutMs, text)) {
        why = kNoAnswer;
        return false;
    }
    const std::string& want = step.words[0];
    const bool ok = step.verb == Verb::Text ? text == want : text.find(want) != std::string::npos;
    if (!ok) why = "the text is " + Quoted(text);
    return ok;
}

bool CheckEntries(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    std::vector<std::string> entries;
    if (!ReadEntries(target, timeoutMs, entries)) {
        why = kNoAnswer;
        return false;
    }
    if (entries == step.words) return true;
    why = "the entries are";
    for (const std::string& entry : entries)
        why += " " + Quoted(entry);
    if (entries.empty()) why = "there are no entries";
    return false;
}

bool CheckPixel(const ScriptStep& step, HWND target, std::string& why) {
    uint32_t colour = 0;
    if (!ReadPixel(target, step.numbers[0], step.numbers[1], colour, why)) return false;
    if (Near(colour, step.colour, step.tolerance)) return true;
    why = "the pixel is " + ColourText(colour);
    return false;
}

bool CheckSize(const ScriptStep& step, HWND target, std::string& why) {
    RECT client{};
    GetClientRect(target, &client);
    if (client.right == step.numbers[0] && client.bottom == step.numbers[1]) return true;
    why =
        "the client area is " + std::to_string(client.right) + "x" + std::to_string(client.bottom);
    return false;
}

bool CheckState(bool holds, const char* otherwise, std::string& why) {
    if (!holds) why = otherwise;
    return holds;
}

}  // namespace

bool EvaluateCheck(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    switch (step.verb) {
        case Verb::Text:
        case Verb::TextContains:
            return CheckText(step, target, timeoutMs, why);
        case Verb::Enabled:
            return CheckState(IsWindowEnabled(target) != 0, "it is disabled", why);
        case Verb::Disabled:
            return CheckState(IsWindowEnabled(target) == 0, "it is enabled", why);
        case Verb::Visible:
            return CheckState(IsWindowVisible(target) != 0, "it is hidden", why);
        case Verb::Hidden:
            return CheckState(IsWindowVisible(target) == 0, "it is visible", why);
        case Verb::Entries:
            return CheckEntries(step, target, timeoutMs, why);
        case Verb::Pixel:
            return CheckPixel(step, target, why);
        case Verb::Size:
            return CheckSize(step, target, why);
        default:
            why = "not a check";
            return false;
    }
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace z8scan
