#pragma once

#include <string>

#include "platform/profile_store.h"

namespace z8 {

// Private-profile files of our own, for the native builds (tests, fuzzers). They
// give the results and the file bytes that the Win32 calls give under Wine, on
// which the product is proven:
// - the file is read at every call; lines end at CR or LF, blank lines vanish,
//   every line is trimmed of blanks (space, tab, CR, LF, VT, FF, Ctrl-Z);
// - "[name]" opens a section (name trimmed, text after the first ']' ignored); other lines
//   are "key=value" (blanks around '=' dropped) or a bare key without a value;
//   lines before the first section belong to a section without a name;
// - section and key names are trimmed and matched ignoring ASCII case; the first
//   matching section is the one read and written;
// - a value between matching single or double quotes is read without them;
// - a write that changes something rewrites the whole file, "[section]" and
//   "key=value" lines each ending in CR LF, no blank lines, bytes as given (the
//   ANSI code page); new sections and keys go at the end;
// - GetInt parses like Wine: blanks, a sign, then decimal digits or a 0x, 0o or
//   0b prefix, modulo 2^32; an absent or empty value gives the default.
// A bare file name means a file in the folder given as the Windows directory.
// Listing a section's keys (a null key) is not offered: it gives the default.
class IniProfileStore final : public ProfileStore {
public:
    explicit IniProfileStore(std::string windowsDirectory);

    uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                       uint32_t size, const char* file) override;
    uint32_t GetInt(const char* section, const char* key, int32_t def, const char* file) override;
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override;
    uint32_t GetSectionNames(char* buffer, uint32_t size, const char* file) override;

    // The path a file name stands for.
    std::string PathOf(const char* file) const;

private:
    std::string windowsDirectory_;
};

}  // namespace z8
