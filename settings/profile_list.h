#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/profile_file.h"
#include "settings/scan_settings.h"

namespace z8 {

// The list of profiles the user picks from: texts in order, one of them
// selected. The dialog's editable combo box is one; the typed text is not
// part of it.
class ProfileListBox {
public:
    virtual ~ProfileListBox() = default;
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    virtual void Add(const std::string& text) = 0;
    virtual void Remove(int index) = 0;
    // -1 when no entry is selected.
    virtual int Selection() const = 0;
    // -1 selects nothing.
    virtual void Select(int index) = 0;
};

// What a command on a typed name did.
enum class ProfileOutcome {
    Done,
    // The name cannot be a profile (see ProfileList): nothing written, the
    // list unchanged.
    Refused,
    // A new profile's name is in the list already: nothing written.
    Exists,
};

// The profile list's behaviour over the settings file: the four presets,
// then the profiles of the file (the default profile first on a fresh
// file), chosen, stored under a typed name, created and deleted. Names match
// the list's entries as the file matches sections, without regard to ASCII
// case. A typed name is refused when the file cannot store it
// (IsStorableProfileName) or when it is a preset's; deleting also refuses a
// name that is not in the list.
class ProfileList {
public:
    // presetNames: the texts of the four presets, in list order.
    ProfileList(ProfileFile& file, std::array<std::string, kPresetCount> presetNames);

    // Empties nothing: adds the presets, makes sure the file has its default
    // profile, then adds every profile of the file.
    void Fill(ProfileListBox& box);

    // The entry selected in the list becomes the current one and is applied
    // to the settings: a preset, or the profile the entry names.
    void Choose(const ProfileListBox& box, CScanSettings& settings);

    // Brings the list in line with the current entry (the default profile's
    // entry is looked up by name, other entries are the list's selection)
    // and says whether the store and delete buttons apply: a stored profile
    // or typed text, not a preset.
    bool Follow(ProfileListBox& box);

    // Stores the settings as the profile `typed`, adds its entry in lower
    // case when the list does not have it, and selects it.
    ProfileOutcome StoreTyped(ProfileListBox& box, std::string_view typed,
                              const CScanSettings& settings);
    // StoreTyped, for a name the list does not have yet.
    ProfileOutcome Create(ProfileListBox& box, std::string_view typed,
                          const CScanSettings& settings);
    // Removes profile `typed` from the file and its entry from the list, then
    // selects the first preset without applying it.
    ProfileOutcome Delete(ProfileListBox& box, std::string_view typed);

    // The current entry: 4 at start, -1 for typed text.
    int CurrentIndex() const { return current_; }

private:
    int Find(const ProfileListBox& box, std::string_view name) const;
    bool IsPresetName(std::string_view name) const;

    ProfileFile& file_;
    std::array<std::string, kPresetCount> presetNames_;
    int current_ = kDefaultProfileIndex;
};

}  // namespace z8
