#pragma once

#include <optional>
#include <string>

namespace z8 {

// The user default locale's language identifier as the system writes it: up
// to four hexadecimal digits (e.g. "040c"); nothing when the query fails.
std::optional<std::string> UserLanguageIdText();

}  // namespace z8
