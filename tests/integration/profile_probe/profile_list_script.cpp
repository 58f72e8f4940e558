#include <sstream>
#include <vector>

#include "settings/profile_list.h"
#include "tests/integration/profile_probe/profile_script.h"

namespace z8::probe {
namespace {

constexpr char kDefaultName[] =
    "Par d\xE9"
    "faut";

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\windows"; }
};

class ListBox final : public ProfileListBox {
public:
    int Count() const override { return static_cast<int>(texts.size()); }
    std::string Text(int index) const override { return texts.at(static_cast<size_t>(index)); }
    void Add(const std::string& text) override { texts.push_back(text); }
    void Remove(int index) override { texts.erase(texts.begin() + index); }
    int Selection() const override { return selection; }
    void Select(int index) override { selection = index < Count() ? index : -1; }

    std::vector<std::string> texts;
    int selection = -1;
};

// Entries after the presets, '|' between them, non-ASCII bytes as \xNN.
std::string Shown(const ListBox& box) {
    std::ostringstream out;
    out << box.Count() << " entries, selected " << box.selection << ":";
    for (size_t i = kPresetCount; i < box.texts.size(); ++i) {
        out << (i == kPresetCount ? " " : "|");
        for (const char c : box.texts[i]) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7F) {
                out << c;
            } else {
                static const char hex[] = "0123456789abcdef";
                out << "\\x" << hex[byte >> 4] << hex[byte & 15];
            }
        }
    }
    return out.str();
}

const char* Outcome(ProfileOutcome outcome) {
    switch (outcome) {
        case ProfileOutcome::Done:
            return "done";
        case ProfileOutcome::Refused:
            return "refused";
        case ProfileOutcome::Exists:
            return "exists";
    }
    return "?";
}

}  // namespace

std::string RunProfileListScript(ProfileStore& store) {
    std::ostringstream out;
    const FixedPaths paths;
    ProfileFile file(store, kDefaultName);
    ProfileList list(file, {"Ecran/Internet", "Imprimante", "Fax noir et blanc", "OCR"});
    CScanSettings settings(paths);
    const auto summary = [&] {
        return "type " + std::to_string(settings.PixelType()) + " dpi " +
               std::to_string(settings.XResolution().Whole) + " red " +
               std::to_string(settings.Red());
    };

    out << "# a first scan stores the default profile; the list is filled\n";
    file.StoreProfile(kDefaultName, settings);
    ListBox box;
    list.Fill(box);
    out << "fill: " << Shown(box) << "\n";
    out << "follow: " << list.Follow(box) << " " << Shown(box) << "\n";

    out << "# stored, created and chosen\n";
    settings.SetPixelType(TWPT_GRAY);
    settings.SetXResolutionIndex(4);
    settings.SetYResolutionIndex(4);
    settings.SetRed(-20);
    out << "store Photo: " << Outcome(list.StoreTyped(box, "Photo", settings)) << " " << Shown(box)
        << "\n";
    settings.SetPixelType(TWPT_RGB);
    settings.SetXResolutionIndex(6);
    settings.SetYResolutionIndex(6);
    settings.SetRed(0);
    out << "create Photo album: " << Outcome(list.Create(box, "Photo album", settings)) << " "
        << Shown(box) << "\n";
    out << "create PHOTO: " << Outcome(list.Create(box, "PHOTO", settings)) << " " << Shown(box)
        << "\n";
    settings.SetPixelType(TWPT_BW);
    settings.SetXResolutionIndex(3);
    settings.SetYResolutionIndex(3);
    out << "store photo: " << Outcome(list.StoreTyped(box, "photo", settings)) << " " << Shown(box)
        << "\n";
    for (const int entry : {6, 5, 1, 4}) {
        box.Select(entry);
        list.Choose(box, settings);
        out << "choose " << entry << ": " << summary() << " follow " << list.Follow(box) << "\n";
    }

    out << "# names that cannot be profiles\n";
    for (const char* name : {"PRESELECTIONS", "job_default", "ocr", "", " x", "a=b"}) {
        out << "[" << name << "] store " << Outcome(list.StoreTyped(box, name, settings))
            << " create " << Outcome(list.Create(box, name, settings)) << " delete "
            << Outcome(list.Delete(box, name)) << "\n";
    }

    out << "# many long names\n";
    for (int i = 0; i < 8; ++i) {
        const std::string name = "Profil " + std::to_string(i) + " " + std::string(22 + 7 * i, '-');
        list.StoreTyped(box, name, settings);
    }
    ListBox again;
    list.Fill(again);
    out << "fill: " << Shown(again) << "\n";

    out << "# deleted by the typed name\n";
    again.Select(6);
    out << "delete PHOTO: " << Outcome(list.Delete(again, "PHOTO")) << " " << Shown(again) << "\n";
    out << "delete photo: " << Outcome(list.Delete(again, "photo")) << " " << Shown(again) << "\n";
    ListBox last;
    list.Fill(last);
    out << "fill: " << Shown(last) << "\n";
    return out.str();
}

}  // namespace z8::probe
