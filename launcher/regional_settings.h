#pragma once

#include <optional>
#include <string>

namespace z8 {

// The launcher's language code ("ENU", "DEU", "ESP", "FRA", "ITA" or "NLD")
// for the user's language identifier in hexadecimal text, by its primary
// language; English when the text is missing or the language is not one of
// these. Logs what it found to the current log.
const char* GetRegionalSettings(const std::optional<std::string>& languageIdText);

}  // namespace z8
