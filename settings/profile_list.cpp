#include "settings/profile_list.h"

#include <algorithm>
#include <utility>

namespace z8 {
namespace {

std::string AsciiLowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace

ProfileList::ProfileList(ProfileFile& file, std::array<std::string, kPresetCount> presetNames)
    : file_(file), presetNames_(std::move(presetNames)) {}

void ProfileList::Fill(ProfileListBox& box) {
    for (const std::string& preset : presetNames_)
        box.Add(preset);
    file_.EnsureDefaultProfile();
    for (const std::string& name : file_.ProfileNames())
        box.Add(name);
}

void ProfileList::Choose(const ProfileListBox& box, CScanSettings& settings) {
    current_ = box.Selection();
    if (current_ < 0) return;
    file_.ApplyProfile(current_, settings, current_ < kPresetCount ? "" : box.Text(current_));
}

bool ProfileList::Follow(ProfileListBox& box) {
    if (current_ == kDefaultProfileIndex) box.Select(Find(box, file_.DefaultName()));
    current_ = box.Selection();
    return current_ < 0 || current_ >= kPresetCount;
}

ProfileOutcome ProfileList::StoreTyped(ProfileListBox& box, std::string_view typed,
                                       const CScanSettings& settings) {
    if (IsPresetName(typed) || !file_.StoreProfile(typed, settings)) return ProfileOutcome::Refused;
    int entry = Find(box, typed);
    if (entry < 0) {
        box.Add(AsciiLowerCase(typed));
        entry = box.Count() - 1;
    }
    box.Select(entry);
    current_ = entry;
    return ProfileOutcome::Done;
}

ProfileOutcome ProfileList::Create(ProfileListBox& box, std::string_view typed,
                                   const CScanSettings& settings) {
    if (Find(box, typed) >= 0) return ProfileOutcome::Exists;
    return StoreTyped(box, typed, settings);
}

ProfileOutcome ProfileList::Delete(ProfileListBox& box, std::string_view typed) {
    const int entry = Find(box, typed);
    if (entry < kPresetCount || !file_.DeleteProfile(typed)) return ProfileOutcome::Refused;
    box.Remove(entry);
    box.Select(0);
    current_ = 0;
    return ProfileOutcome::Done;
}

int ProfileList::Find(const ProfileListBox& box, std::string_view name) const {
    const int count = box.Count();
    for (int index = 0; index < count; ++index)
        if (SameProfileName(box.Text(index), name)) return index;
    return -1;
}

bool ProfileList::IsPresetName(std::string_view name) const {
    return std::any_of(presetNames_.begin(), presetNames_.end(),
                       [&](const std::string& preset) { return SameProfileName(preset, name); });
}

}  // namespace z8
