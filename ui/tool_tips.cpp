#include "ui/tool_tips.h"

#include <commctrl.h>

#include <string>

#include "ui/framework/module_state.h"

namespace z8::ui {

HWND CreateToolTips(HWND dialog, std::span<const ToolTipText> tips) {
    HWND window = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  dialog, nullptr, InstanceModule(), nullptr);
    if (window == nullptr) return nullptr;
    SendMessageA(window, TTM_ACTIVATE, TRUE, 0);
    SendMessageA(window, TTM_SETMAXTIPWIDTH, 0, 200);
    SendMessageA(window, TTM_SETTIPTEXTCOLOR, RGB(0, 0, 255), 0);
    const StringTable& strings = ResourceStrings();
    for (const ToolTipText& tip : tips) {
        std::string text = strings.Load(tip.text);
        TOOLINFOA info{};
        // The first version of the record: every version of the control takes it.
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = dialog;
        info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, tip.control));
        info.lpszText = text.data();
        SendMessageA(window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
    return window;
}

}  // namespace z8::ui
