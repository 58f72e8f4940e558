#include "settings/profile_file.h"

#include <cstring>
#include <utility>

namespace z8 {
namespace {

// EnsureDefaultProfile gives up after this many writes when the listing keeps
// answering one character (a file that cannot be written).
constexpr int kMaxDefaultProfileWrites = 3;
// [PRESELECTIONS] DEFAULT is read into this many characters, terminator included.
constexpr uint32_t kPreselectionSize = 20;
constexpr uint32_t kSectionListSize = 150;

struct Preset {
    bool blackAndWhite;
    TW_INT16 dpi;
};
constexpr Preset kPresets[kPresetCount] = {{false, 80}, {false, 300}, {true, 200}, {true, 300}};

}  // namespace

bool IsStorableProfileName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') return false;
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

void ProfileFile::ApplyProfile(int profileIndex, CScanSettings& settings) const {
    if (profileIndex >= 0 && profileIndex < kPresetCount) {
        const Preset& preset = kPresets[profileIndex];
        if (preset.blackAndWhite) settings.SetPixelType(TWPT_BW);
        settings.SetXResolutionDpi(preset.dpi);
        settings.SetYResolutionDpi(preset.dpi);
        return;
    }

    std::string name = defaultName_;
    if (profileIndex != kDefaultProfileIndex) {
        char stored[kPreselectionSize] = {};
        store_.GetString(kPreselectionsSection, kPreselectionsDefaultKey, "", stored, sizeof stored,
                         kProfileFileName);
        name.assign(stored, strnlen(stored, sizeof stored));
    }

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

void ProfileFile::Write(const std::string& section, const char* key, const std::string& value) {
    store_.WriteString(section.c_str(), key, value.c_str(), kProfileFileName);
}

}  // namespace z8
