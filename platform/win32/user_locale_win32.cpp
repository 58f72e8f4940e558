#include <windows.h>

#include "platform/user_locale.h"

namespace z8 {

std::optional<std::string> UserLanguageIdText() {
    char text[5] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ILANGUAGE, text, sizeof text) == 0) {
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace z8
