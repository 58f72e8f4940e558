#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace z8 {

// The options given to a file write: keys (compared without regard to case)
// with a text value or with none. Setting a key again replaces its value.
// Writers ignore keys that are not theirs, so one set can serve any format.
class WriteOptions {
public:
    // value may be null: the option is then present without a value.
    void Set(std::string_view key, const char* value);
    bool Has(std::string_view key) const;
    // The option's text, or nothing when it is absent or has no value.
    std::optional<std::string> Value(std::string_view key) const;

private:
    std::map<std::string, std::optional<std::string>> options_;
};

// Whether an option's text is the word given, without regard to case.
bool SameWord(std::string_view text, std::string_view word);

// A whole decimal number from min to max with nothing around it, or nothing.
std::optional<std::uint32_t> ParseDecimal(const std::string& text, std::uint32_t min,
                                          std::uint32_t max);

}  // namespace z8
