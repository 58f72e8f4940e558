#include "platform/ini_profile_store.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace z8 {
namespace {

struct Key {
    std::string name;
    std::optional<std::string> value;  // none for a line without '='
};

struct Section {
    std::string name;  // empty for the lines before the first section
    std::vector<Key> keys;
};

using Document = std::vector<Section>;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

Document Parse(std::string_view text) {
    Document doc(1);
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = text.find_first_not_of("\r\n", end == std::string_view::npos ? text.size() : end);
        if (pos == std::string_view::npos) pos = text.size();

        line = Trim(line);
        if (line.empty()) continue;
        if (line.front() == '[') {
            const size_t close = line.find(']', 1);
            if (close != std::string_view::npos) {
                doc.push_back(Section{std::string(Trim(line.substr(1, close - 1))), {}});
                continue;
            }
        }
        Key key;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            key.name = line;
        } else {
            key.name = TrimRight(line.substr(0, eq));
            key.value = std::string(TrimLeft(line.substr(eq + 1)));
        }
        // Of consecutive lines without a key name only the first is kept.
        std::vector<Key>& keys = doc.back().keys;
        if (!key.name.empty() || keys.empty() || !keys.back().name.empty())
            keys.push_back(std::move(key));
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out;
    for (const Section& section : doc) {
        if (!section.name.empty()) out += "[" + section.name + "]\r\n";
        for (const Key& key : section.keys) {
            out += key.name;
            if (key.value) out += "=" + *key.value;
            out += "\r\n";
        }
    }
    return out;
}

Document Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return Parse(text);
}

bool Save(const std::string& path, const Document& doc) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string text = Serialize(doc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(out.flush());
}

Section* FindSection(Document& doc, std::string_view name) {
    for (Section& section : doc) {
        if (SameName(section.name, name)) return &section;
    }
    return nullptr;
}

Key* FindKey(Section& section, std::string_view name) {
    for (Key& key : section.keys) {
        if (SameName(key.name, name)) return &key;
    }
    return nullptr;
}

// Copies value into buffer (size > 0), at most size - 1 characters. A value
// between matching quotes loses them; when only the closing quote is cut off by
// the buffer, the last copied character goes instead, as Wine does.
void CopyEntry(char* buffer, uint32_t size, std::string_view value) {
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    const size_t n = value.size() < size - 1 ? value.size() : size - 1;
    value.copy(buffer, n);
    buffer[n] = '\0';
    if (quoted && size >= value.size() && n > 0) buffer[n - 1] = '\0';
}

// Value text parsed as Wine's GetPrivateProfileIntA does.
uint32_t ParseInteger(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    uint32_t base = 10;
    if (s.size() >= 2 && s[0] == '0') {
        if (s[1] == 'b')
            base = 2;
        else if (s[1] == 'o')
            base = 8;
        else if (s[1] == 'x')
            base = 16;
        if (base != 10) s.remove_prefix(2);
    }
    uint32_t total = 0;
    for (const char c : s) {
        uint32_t digit = 99;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'Z')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'z')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

}  // namespace

IniProfileStore::IniProfileStore(std::string windowsDirectory)
    : windowsDirectory_(std::move(windowsDirectory)) {}

std::string IniProfileStore::PathOf(const char* file) const {
    const std::string name = file != nullptr ? file : "";
    if (name.find_first_of("/\\") != std::string::npos) return name;
    return windowsDirectory_ + "/" + name;
}

uint32_t IniProfileStore::GetString(const char* section, const char* key, const char* def,
                                    char* buffer, uint32_t size, const char* file) {
    if (buffer == nullptr || size == 0) return 0;
    if (section == nullptr) return GetSectionNames(buffer, size, file);
    // Only spaces are dropped from the end of the default.
    std::string_view value = def != nullptr ? std::string_view(def) : std::string_view();
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);

    Document doc = Load(PathOf(file));
    if (key != nullptr) {
        if (Section* s = FindSection(doc, Trim(section))) {
            if (Key* k = FindKey(*s, Trim(key)); k != nullptr && k->value) value = *k->value;
        }
    }
    CopyEntry(buffer, size, value);
    return static_cast<uint32_t>(std::strlen(buffer));
}

uint32_t IniProfileStore::GetInt(const char* section, const char* key, int32_t def,
                                 const char* file) {
    char buffer[30];
    if (GetString(section, key, "", buffer, sizeof buffer, file) == 0)
        return static_cast<uint32_t>(def);
    return ParseInteger(buffer);
}

bool IniProfileStore::WriteString(const char* section, const char* key, const char* value,
                                  const char* file) {
    if (section == nullptr) return false;
    const std::string path = PathOf(file);
    Document doc = Load(path);

    if (key == nullptr) {
        for (auto it = doc.begin(); it != doc.end(); ++it) {
            if (!it->name.empty() && SameName(it->name, section)) {
                doc.erase(it);
                return Save(path, doc);
            }
        }
        return true;
    }

    if (value == nullptr) {
        for (Section& s : doc) {
            if (s.name.empty() || !SameName(s.name, section)) continue;
            for (auto it = s.keys.begin(); it != s.keys.end(); ++it) {
                if (SameName(it->name, key)) {
                    s.keys.erase(it);
                    return Save(path, doc);
                }
            }
        }
        return true;
    }

    const std::string_view sectionName = Trim(section);
    const std::string_view keyName = Trim(key);
    const std::string_view text = TrimLeft(value);
    Section* s = FindSection(doc, sectionName);
    if (s == nullptr) s = &doc.emplace_back(Section{std::string(sectionName), {}});
    Key* k = FindKey(*s, keyName);
    if (k == nullptr)
        k = &s->keys.emplace_back(Key{std::string(keyName), std::nullopt});
    else if (k->value && *k->value == text)
        return true;
    k->value = std::string(text);
    return Save(path, doc);
}

uint32_t IniProfileStore::GetSectionNames(char* buffer, uint32_t size, const char* file) {
    if (buffer == nullptr || size == 0) return 0;
    buffer[0] = '\0';
    if (size == 1) return 0;
    // Each name needs its length plus its terminator plus room for the final
    // terminator; a name that does not fit is cut, the list ends with two zeros
    // and the answer is size - 2.
    const Document doc = Load(PathOf(file));
    uint32_t used = 0;
    for (const Section& section : doc) {
        if (section.name.empty()) continue;
        const uint32_t room = size - 1 - used;
        if (section.name.size() + 1 >= room) {
            const size_t n = room > 0 ? room - 1 : 0;
            section.name.copy(buffer + used, n);
            buffer[used + n] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        section.name.copy(buffer + used, section.name.size());
        used += static_cast<uint32_t>(section.name.size());
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    return used;
}

}  // namespace z8
