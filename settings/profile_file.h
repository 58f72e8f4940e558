#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_store.h"
#include "settings/scan_settings.h"

namespace z8 {

// The settings file. A bare name: the platform keeps it in the Windows directory.
inline constexpr char kProfileFileName[] = "ViruvoVozav.ini";
// Its two sections that are not profiles; the first names the profile stored last.
inline constexpr char kPreselectionsSection[] = "PRESELECTIONS";
inline constexpr char kPreselectionsDefaultKey[] = "DEFAULT";
inline constexpr char kJobDefaultSection[] = "JOB_DEFAULT";

// Indices of the profile list: 0 to 3 the built-in presets (screen, printer,
// black-and-white fax, OCR), 4 the default profile, then the profiles the
// user stored, each named by its entry.
inline constexpr int kPresetCount = 4;
inline constexpr int kDefaultProfileIndex = 4;

// Whether a name can be written as a section and a key without breaking the
// file: not empty, no ']', '=' or control character (line breaks included), no
// blank at either end (lookups ignore those blanks, a stored header keeps
// them, so the profile could never be found again), and neither of the two
// sections that are not profiles, in any case.
bool IsStorableProfileName(std::string_view name);
// Whether two profile names are the same to the file: ASCII letters match
// without regard to case, every other byte exactly.
bool SameProfileName(std::string_view a, std::string_view b);

// Named profiles in the settings file. Each section is a profile named by its
// section; it repeats its name as a key (so its existence can be tested) and
// holds the pixel type, resolutions, colour corrections, contrast, brightness
// and adjustment flags as decimal numbers. Nothing is cached: every call reads
// or writes the file, and the results of the store are not examined.
class ProfileFile {
public:
    // defaultName: the default profile's name in the current language
    // ("Par défaut" in the ANSI code page with the built-in texts).
    ProfileFile(ProfileStore& store, std::string defaultName);

    // When listing the file's section names gives exactly one character, writes
    // the default profile (100 by 100 dots per inch, neutral adjustments) and
    // lists again, at most three times. A missing or empty file lists nothing,
    // so it is left alone.
    void EnsureDefaultProfile();

    // Applies entry `profileIndex` of the profile list, whose text is
    // `entryName`: a preset changes only its pixel type and resolutions; any
    // other entry reads the profile of that name (the default profile when
    // no name is given). Missing keys read as colour at 80 by 80 dots per
    // inch with neutral adjustments.
    void ApplyProfile(int profileIndex, CScanSettings& settings,
                      std::string_view entryName = {}) const;

    // Writes the settings as profile `name` and makes it the profile stored
    // last. A name that IsStorableProfileName refuses writes nothing and gives
    // false.
    bool StoreProfile(std::string_view name, const CScanSettings& settings);

    // Removes the section of profile `name`; [PRESELECTIONS] DEFAULT stays
    // as it is. A name that IsStorableProfileName refuses writes nothing and
    // gives false.
    bool DeleteProfile(std::string_view name);

    // The names of the file's profiles in file order: every section but the
    // two that are not profiles, however many and however long.
    std::vector<std::string> ProfileNames() const;

    const std::string& DefaultName() const { return defaultName_; }

private:
    void WriteDefaultProfile();
    void Write(const std::string& section, const char* key, const std::string& value);

    ProfileStore& store_;
    std::string defaultName_;
};

}  // namespace z8
