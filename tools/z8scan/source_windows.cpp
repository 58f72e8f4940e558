#include "tools/z8scan/source_windows.h"

namespace z8scan {
namespace {

// Controls that only the window of each kind has: the scanning dialog's
// feeder button and preview pane, the image parameters' filter combo and
// slider frame, the progress window's bar and stop button.
constexpr int kFeederButton = 1032, kPreviewPane = 1042;
constexpr int kFilterCombo = 1017, kSliderFrame = 1082;
constexpr int kProgressBar = 1085, kStopButton = 1086;
// A message box's text is the static 0xFFFF; its buttons include IDOK or IDCANCEL.
// The About box has an OK button and none of the others' controls.
constexpr int kMessageText = 0xFFFF;

bool IsKind(HWND window, WindowKind kind) {
    auto has = [window](int id) { return GetDlgItem(window, id) != nullptr; };
    switch (kind) {
        case WindowKind::Scanning:
            return has(kFeederButton) && has(kPreviewPane);
        case WindowKind::Parameters:
            return has(kFilterCombo) && has(kSliderFrame);
        case WindowKind::Progress:
            return has(kStopButton) && has(kProgressBar);
        case WindowKind::Message:
            return has(kMessageText) && (has(IDOK) || has(IDCANCEL)) && !has(kFeederButton) &&
                   !has(kFilterCombo) && !has(kStopButton);
        case WindowKind::About:
            return has(IDOK) && !has(kMessageText) && !has(kFeederButton) && !has(kFilterCombo) &&
                   !has(kStopButton);
    }
    return false;
}

struct Search {
    WindowKind kind;
    HWND found = nullptr;
};

BOOL CALLBACK Inspect(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    if (WindowClass(window) != "#32770" || !IsKind(window, search->kind)) return TRUE;
    search->found = window;
    return FALSE;
}

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int timeoutMs, LRESULT& answer) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                            static_cast<UINT>(timeoutMs), &result) == 0) {
        return false;
    }
    answer = static_cast<LRESULT>(result);
    return true;
}

BOOL CALLBACK FindPending(HWND window, LPARAM pending) {
    if (!IsWindowVisible(window) || !GetUpdateRect(window, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
}

}  // namespace

HWND FindSourceWindow(WindowKind kind) {
    Search search{kind};
    EnumWindows(Inspect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ReadWindowText(HWND window, int timeoutMs, std::string& text) {
    LRESULT length = 0;
    if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, timeoutMs, length)) return false;
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()), timeoutMs,
             copied)) {
        return false;
    }
    wide.resize(static_cast<size_t>(copied));
    text = WideToUtf8(wide);
    return true;
}

bool ReadEntries(HWND control, int timeoutMs, std::vector<std::string>& entries) {
    const bool list = WindowClass(control) == "ListBox";
    const UINT count = list ? LB_GETCOUNT : CB_GETCOUNT;
    const UINT length = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
    const UINT get = list ? LB_GETTEXT : CB_GETLBTEXT;
    LRESULT n = 0;
    if (!Ask(control, count, 0, 0, timeoutMs, n)) return false;
    entries.clear();
    for (LRESULT i = 0; i < n; ++i) {
        LRESULT size = 0;
        if (!Ask(control, length, static_cast<WPARAM>(i), 0, timeoutMs, size)) return false;
        std::wstring wide(static_cast<size_t>(size < 0 ? 0 : size) + 1, L'\0');
        LRESULT copied = 0;
        if (!Ask(control, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()),
                 timeoutMs, copied)) {
            return false;
        }
        wide.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        entries.push_back(WideToUtf8(wide));
    }
    return true;
}

bool PaintPending(HWND window) {
    bool pending = IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE);
    if (!pending) EnumChildWindows(window, FindPending, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

std::string WindowClass(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::wstring Utf8ToWide(const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string WideToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::string narrow(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                               nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

}  // namespace z8scan
