#include "imaging/write_options.h"

#include <cctype>

namespace z8 {

namespace {

std::string UpperKey(std::string_view key) {
    std::string upper(key);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

}  // namespace

void WriteOptions::Set(std::string_view key, const char* value) {
    options_[UpperKey(key)] = value ? std::optional<std::string>(value) : std::nullopt;
}

bool WriteOptions::Has(std::string_view key) const {
    return options_.contains(UpperKey(key));
}

std::optional<std::string> WriteOptions::Value(std::string_view key) const {
    auto it = options_.find(UpperKey(key));
    return it == options_.end() ? std::nullopt : it->second;
}

bool SameWord(std::string_view text, std::string_view word) {
    return UpperKey(text) == UpperKey(word);
}

std::optional<std::uint32_t> ParseDecimal(const std::string& text, std::uint32_t min,
                                          std::uint32_t max) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace z8
