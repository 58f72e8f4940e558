#include "settings/profile_file.h"

#include <algorithm>
#include <utility>

namespace z8 {
namespace {

// EnsureDefaultProfile gives up after this many writes when the listing keeps
// answering one character (a file that cannot be written).
constexpr int kMaxDefaultProfileWrites = 3;
// Enough to tell a file without sections from one with some.
constexpr uint32_t kSectionListSize = 150;
// The full listing starts with this many characters and doubles while the
// answer fills the buffer (the listing is then cut), up to the largest.
constexpr uint32_t kFirstListingSize = 1024;
constexpr uint32_t kLargestListingSize = 1u << 24;

struct Preset {
    bool blackAndWhite;
    TW_INT16 dpi;
};
constexpr Preset kPresets[kPresetCount] = {{false, 80}, {false, 300}, {true, 200}, {true, 300}};

// The file's case folding: ASCII letters only, as Wine does.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsStorableProfileName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
    if (SameProfileName(name, kPreselectionsSection) || SameProfileName(name, kJobDefaultSection))
        return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ']' || c == '=' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

ProfileFile::ProfileFile(ProfileStore& store, std::string defaultName)
    : store_(store), defaultName_(std::move(defaultName)) {}

void ProfileFile::EnsureDefaultProfile() {
    char names[kSectionListSize];
    for (int writes = 0; store_.GetSectionNames(names, sizeof names, kProfileFileName) == 1;
         ++writes) {
        if (writes == kMaxDefaultProfileWrites) return;
        WriteDefaultProfile();
    }
}

void ProfileFile::WriteDefaultProfile() {
    if (!IsStorableProfileName(defaultName_)) return;
    Write(kPreselectionsSection, kPreselectionsDefaultKey, defaultName_);
    Write(defaultName_, "XRESOLUTION", "100");
    Write(defaultName_, "YRESOLUTION", "100");
    for (const char* key : {"ROUGE", "VERT", "BLEU", "CONTRASTE", "LUMINOSITE", "INVERSION",
                            "MIROIRH", "MIROIRV", "FILTRE"})
        Write(defaultName_, key, "0");
}

void ProfileFile::ApplyProfile(int profileIndex, CScanSettings& settings,
                               std::string_view entryName) const {
    if (profileIndex >= 0 && profileIndex < kPresetCount) {
        const Preset& preset = kPresets[profileIndex];
        if (preset.blackAndWhite) settings.SetPixelType(TWPT_BW);
        settings.SetXResolutionDpi(preset.dpi);
        settings.SetYResolutionDpi(preset.dpi);
        return;
    }

    const std::string name(entryName.empty() ? std::string_view(defaultName_) : entryName);
    const char* section = name.c_str();
    const auto read = [&](const char* key, int32_t def) {
        return store_.GetInt(section, key, def, kProfileFileName);
    };
    // Numbers keep only the bits their field holds: ROUGE=300 is red 44.
    if (const uint32_t type = read("COULEUR", TWPT_RGB); type <= TWPT_PALETTE)
        settings.SetPixelType(static_cast<TW_UINT16>(type));
    settings.SetXResolutionDpi(static_cast<TW_INT16>(read("XRESOLUTION", 80)));
    settings.SetYResolutionDpi(static_cast<TW_INT16>(read("YRESOLUTION", 80)));
    settings.SetRed(static_cast<TW_INT8>(read("ROUGE", 0)));
    settings.SetGreen(static_cast<TW_INT8>(read("VERT", 0)));
    settings.SetBlue(static_cast<TW_INT8>(read("BLEU", 0)));
    settings.SetContrastWhole(static_cast<TW_INT16>(read("CONTRASTE", 0)));
    settings.SetBrightnessWhole(static_cast<TW_INT16>(read("LUMINOSITE", 0)));
    settings.SetMirrorH(static_cast<TW_UINT16>(read("MIROIRH", 0)));
    settings.SetMirrorV(static_cast<TW_UINT16>(read("MIROIRV", 0)));
    settings.SetInvert(static_cast<TW_UINT16>(read("INVERSION", 0)));
    settings.SetFilterIndex(static_cast<TW_UINT16>(read("FILTRE", 0)));
}

bool ProfileFile::StoreProfile(std::string_view name, const CScanSettings& settings) {
    if (!IsStorableProfileName(name)) return false;
    const std::string section(name);
    Write(section, section.c_str(), section);
    Write(section, "COULEUR", std::to_string(settings.PixelType()));
    Write(section, "XRESOLUTION",
          std::to_string(static_cast<TW_UINT16>(settings.XResolution().Whole)));
    Write(section, "YRESOLUTION",
          std::to_string(static_cast<TW_UINT16>(settings.YResolution().Whole)));
    Write(section, "ROUGE", std::to_string(settings.Red()));
    Write(section, "VERT", std::to_string(settings.Green()));
    Write(section, "BLEU", std::to_string(settings.Blue()));
    // Contrast as a real truncated toward zero (-2.5 is -2); brightness by its
    // whole part (-2.5 is -3).
    Write(section, "CONTRASTE", std::to_string(static_cast<int32_t>(settings.ContrastReal())));
    Write(section, "LUMINOSITE", std::to_string(settings.BrightnessWhole()));
    Write(section, "INVERSION", std::to_string(settings.Invert()));
    Write(section, "MIROIRV", std::to_string(settings.MirrorV()));
    Write(section, "MIROIRH", std::to_string(settings.MirrorH()));
    Write(section, "FILTRE", std::to_string(settings.FilterIndex()));
    Write(kPreselectionsSection, kPreselectionsDefaultKey, section);
    return true;
}

bool ProfileFile::DeleteProfile(std::string_view name) {
    if (!IsStorableProfileName(name)) return false;
    const std::string section(name);
    store_.WriteString(section.c_str(), nullptr, nullptr, kProfileFileName);
    return true;
}

std::vector<std::string> ProfileFile::ProfileNames() const {
    // A cut listing fills the buffer but for its two final zeros.
    std::string listing;
    for (uint32_t size = kFirstListingSize;; size *= 2) {
        listing.assign(size, '\0');
        const uint32_t length = store_.GetSectionNames(listing.data(), size, kProfileFileName);
        if (length + 2 < size || size >= kLargestListingSize) {
            listing.resize(std::min(length, size));
            break;
        }
    }
    std::vector<std::string> names;
    for (size_t start = 0; start < listing.size();) {
        const size_t end = std::min(listing.find('\0', start), listing.size());
        const std::string_view name(listing.data() + start, end - start);
        if (!name.empty() && !SameProfileName(name, kPreselectionsSection) &&
            !SameProfileName(name, kJobDefaultSection))
            names.emplace_back(name);
        start = end + 1;
    }
    return names;
}

void ProfileFile::Write(const std::string& section, const char* key, const std::string& value) {
    store_.WriteString(section.c_str(), key, value.c_str(), kProfileFileName);
}

}  // namespace z8
