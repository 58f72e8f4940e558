#include "tools/z8scan/dialog_input.h"

#include <commctrl.h>

#include <vector>

#include "tools/z8scan/dialog_checks.h"
#include "tools/z8scan/source_windows.h"

namespace z8scan {
namespace {

const char kNoAnswer[] = "the window did not answer";
constexpr int kDragMoves = 8;

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

std::string Named(HWND control) {
    if (GetAncestor(control, GA_ROOT) == control) return "the window";
    return "control " + std::to_string(GetDlgCtrlID(control));
}

bool Reachable(HWND target, std::string& why) {
    if (!IsWindowVisible(target)) {
        why = Named(target) + " is hidden";
        return false;
    }
    if (!IsWindowEnabled(target)) {
        why = Named(target) + " is disabled";
        return false;
    }
    if (!IsWindowEnabled(GetAncestor(target, GA_ROOT))) {
        why = "the window is disabled (another window is modal)";
        return false;
    }
    return true;
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::string& why) {
    if (PostMessageW(window, message, wParam, lParam)) return true;
    why = "cannot post to the window (error " + std::to_string(GetLastError()) + ")";
    return false;
}

// The parent hears of a change as the control would tell it.
bool Notify(HWND control, WORD code, std::string& why) {
    const WPARAM command = MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code);
    return Post(GetParent(control), WM_COMMAND, command, reinterpret_cast<LPARAM>(control), why);
}

bool Press(HWND target, int x, int y, std::string& why) {
    return Post(target, WM_MOUSEMOVE, 0, Point(x, y), why) &&
           Post(target, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y), why) &&
           Post(target, WM_LBUTTONUP, 0, Point(x, y), why);
}

bool Click(HWND target, std::string& why) {
    if (WindowClass(target) == "Button") return Post(target, BM_CLICK, 0, 0, why);
    RECT client{};
    GetClientRect(target, &client);
    return Press(target, client.right / 2, client.bottom / 2, why);
}

bool Select(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    const bool list = WindowClass(target) == "ListBox";
    if (!list && WindowClass(target) != "ComboBox") {
        why = Named(target) + " is a " + WindowClass(target) + ", not a combo or list box";
        return false;
    }
    std::vector<std::string> entries;
    if (!ReadEntries(target, timeoutMs, entries)) {
        why = kNoAnswer;
        return false;
    }
    size_t index = entries.size();
    if (step.verb == Verb::SelectIndex) {
        index = static_cast<size_t>(step.numbers[0]);
        if (index >= entries.size()) {
            why = "there are " + std::to_string(entries.size()) + " entries";
            return false;
        }
    } else {
        for (size_t i = 0; i < entries.size() && index == entries.size(); ++i) {
            if (entries[i] == step.words[0]) index = i;
        }
        if (index == entries.size()) {
            why = "no entry is " + Quoted(step.words[0]);
            return false;
        }
    }
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(target, list ? LB_SETCURSEL : CB_SETCURSEL, index, 0, SMTO_NORMAL,
                            static_cast<UINT>(timeoutMs), &result) == 0) {
        why = kNoAnswer;
        return false;
    }
    return Notify(target, list ? LBN_SELCHANGE : CBN_SELCHANGE, why);
}

// Typed as keys: the whole text is selected first and replaced, so the
// control's own limits and notifications apply.
bool Type(const ScriptStep& step, HWND target, std::string& why) {
    HWND edit = target;
    if (WindowClass(target) == "ComboBox") edit = FindWindowExW(target, nullptr, L"Edit", nullptr);
    if (edit == nullptr || WindowClass(edit) != "Edit") {
        why = Named(target) + " has no edit field";
        return false;
    }
    if (!Post(edit, EM_SETSEL, 0, -1, why)) return false;
    std::wstring keys = Utf8ToWide(step.words[0]);
    if (keys.empty()) keys = L"\b";
    for (const wchar_t key : keys) {
        if (!Post(edit, WM_CHAR, key, 1, why)) return false;
    }
    return true;
}

bool Drag(const ScriptStep& step, HWND target, std::string& why) {
    const int x1 = step.numbers[0], y1 = step.numbers[1];
    const int x2 = step.numbers[2], y2 = step.numbers[3];
    if (!Post(target, WM_MOUSEMOVE, 0, Point(x1, y1), why) ||
        !Post(target, WM_LBUTTONDOWN, MK_LBUTTON, Point(x1, y1), why)) {
        return false;
    }
    for (int i = 1; i <= kDragMoves; ++i) {
        const int x = x1 + (x2 - x1) * i / kDragMoves;
        const int y = y1 + (y2 - y1) * i / kDragMoves;
        if (!Post(target, WM_MOUSEMOVE, MK_LBUTTON, Point(x, y), why)) return false;
    }
    return Post(target, WM_LBUTTONUP, 0, Point(x2, y2), why);
}

LPARAM Middle(HWND target) {
    RECT client{};
    GetClientRect(target, &client);
    return Point(client.right / 2, client.bottom / 2);
}

// The mouse comes over the control's middle without a button held.
bool Hover(HWND target, std::string& why) {
    return Post(target, WM_MOUSEMOVE, 0, Middle(target), why);
}

// The left button goes down in the control's middle and stays down (a drag
// out of the control can end the press without a click).
bool ButtonDown(HWND target, std::string& why) {
    return Post(target, WM_MOUSEMOVE, 0, Middle(target), why) &&
           Post(target, WM_LBUTTONDOWN, MK_LBUTTON, Middle(target), why);
}

// The thumb is put in place, then the parent hears of it as after a drag of
// the thumb.
bool Slide(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    if (WindowClass(target) != TRACKBAR_CLASSA) {
        why = Named(target) + " is a " + WindowClass(target) + ", not a slider";
        return false;
    }
    DWORD_PTR position = 0;
    if (SendMessageTimeoutW(target, TBM_SETPOS, TRUE, step.numbers[0], SMTO_NORMAL,
                            static_cast<UINT>(timeoutMs), &position) == 0 ||
        SendMessageTimeoutW(target, TBM_GETPOS, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeoutMs),
                            &position) == 0) {
        why = kNoAnswer;
        return false;
    }
    const UINT scroll =
        (GetWindowLongW(target, GWL_STYLE) & TBS_VERT) != 0 ? WM_VSCROLL : WM_HSCROLL;
    const LPARAM control = reinterpret_cast<LPARAM>(target);
    HWND parent = GetParent(target);
    return Post(parent, scroll, MAKEWPARAM(TB_THUMBPOSITION, static_cast<WORD>(position)), control,
                why) &&
           Post(parent, scroll, TB_ENDTRACK, control, why);
}

}  // namespace

bool PostInput(const ScriptStep& step, HWND target, int timeoutMs, std::string& why) {
    if (!Reachable(target, why)) return false;
    switch (step.verb) {
        case Verb::Click:
        case Verb::Press:
            return Click(target, why);
        case Verb::Select:
        case Verb::SelectIndex:
            return Select(step, target, timeoutMs, why);
        case Verb::Type:
            return Type(step, target, why);
        case Verb::Drag:
            return Drag(step, target, why);
        case Verb::Slide:
            return Slide(step, target, timeoutMs, why);
        case Verb::Hover:
            return Hover(target, why);
        case Verb::ButtonDown:
            return ButtonDown(target, why);
        case Verb::SystemCommand:
            return Post(target, WM_SYSCOMMAND, static_cast<WPARAM>(step.numbers[0]), 0, why);
        default:
            why = "not an action";
            return false;
    }
}

}  // namespace z8scan
