#include "launcher/regional_settings.h"

#include <cstdlib>

#include "debuglog/log_write.h"

namespace z8 {
namespace {

struct Language {
    unsigned primary;
    const char* code;
    const char* line;
};

constexpr Language kLanguages[] = {
    {7, "DEU", " Regional settings : GERMAN detected"},
    {9, "ENU", " Regional settings : ENGLISH detected"},
    {10, "ESP", " Regional settings : SPANISH detected"},
    {12, "FRA", " Regional settings : FRENCH detected"},
    {16, "ITA", " Regional settings : ITALIAN detected"},
    {19, "NLD", " Regional settings : DUTCH detected"},
};

// The low 10 bits of a language identifier; the sublanguage is ignored.
constexpr unsigned kPrimaryLanguageMask = 0x3FF;

}  // namespace

const char* GetRegionalSettings(const std::optional<std::string>& languageIdText) {
    if (!languageIdText) {
        LogWrite(GetCurrentLog(), ERR, " GetRegionalSettings() : Failed to get local language");
        return "ENU";
    }
    const auto id = static_cast<unsigned>(std::strtoul(languageIdText->c_str(), nullptr, 16));
    const unsigned primary = id & kPrimaryLanguageMask;
    LogTrace(GetCurrentLog(), "Detected language code is %s, Primary Language = %d",
             languageIdText->c_str(), static_cast<int>(primary));
    for (const Language& language : kLanguages) {
        if (language.primary == primary) {
            LogWrite(GetCurrentLog(), LOG, "%s", language.line);
            return language.code;
        }
    }
    LogWrite(GetCurrentLog(), WNG,
             " GetRegionalSettings() : Could not find language... returning English as default.");
    return "ENU";
}

}  // namespace z8
