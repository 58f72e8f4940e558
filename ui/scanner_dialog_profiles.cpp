// The scanning dialog's profile list: the editable combo box as the list of
// a ProfileList, and the buttons that store, create and delete profiles.
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/framework/controls.h"
#include "ui/framework/module_state.h"
#include "ui/scanner_dialog.h"

namespace z8::ui {
namespace {

// Characters a typed profile name may have.
constexpr int kProfileNameLimit = 64;

// The combo box's entries; its edit field is the typed name.
class ComboProfileList final : public ProfileListBox {
public:
    explicit ComboProfileList(ComboBox combo) : combo_(combo) {}
    int Count() const override { return combo_.Count(); }
    std::string Text(int index) const override { return combo_.ItemText(index); }
    void Add(const std::string& text) override { combo_.Add(text); }
    void Remove(int index) override { combo_.Remove(index); }
    int Selection() const override { return combo_.Selection(); }
    void Select(int index) override { combo_.Select(index); }

private:
    ComboBox combo_;
};

}  // namespace

void CScannerDialog::FillProfiles() {
    const auto combo = Get<ComboBox>(res::kProfileCombo);
    combo.Clear();
    combo.LimitText(kProfileNameLimit);
    ComboProfileList list(combo);
    profiles_.Fill(list);
}

void CScannerDialog::FollowProfiles() {
    ComboProfileList list(Get<ComboBox>(res::kProfileCombo));
    const bool stored = profiles_.Follow(list);
    Enable(res::kStoreProfileButton, stored);
    Enable(res::kDeleteProfileButton, stored);
}

void CScannerDialog::ChooseProfile() {
    const ComboProfileList list(Get<ComboBox>(res::kProfileCombo));
    profiles_.Choose(list, session_.Settings());
    UpdateControls();
}

void CScannerDialog::ProfileTextEdited() {
    if (Get<ComboBox>(res::kProfileCombo).Text().empty()) {
        Enable(res::kDeleteProfileButton, false);
        Enable(res::kStoreProfileButton, false);
    } else {
        Enable(res::kNewProfileButton, true);
    }
}

void CScannerDialog::StoreTypedProfile() {
    const auto combo = Get<ComboBox>(res::kProfileCombo);
    ComboProfileList list(combo);
    if (profiles_.StoreTyped(list, combo.Text(), session_.Settings()) == ProfileOutcome::Refused) {
        RefuseProfileName();
        return;
    }
    Enable(res::kDeleteProfileButton, true);
}

void CScannerDialog::CreateProfile() {
    const auto combo = Get<ComboBox>(res::kProfileCombo);
    ComboProfileList list(combo);
    switch (profiles_.Create(list, combo.Text(), session_.Settings())) {
        case ProfileOutcome::Done:
            Enable(res::kNewProfileButton, true);
            Enable(res::kDeleteProfileButton, true);
            Enable(res::kStoreProfileButton, true);
            break;
        case ProfileOutcome::Exists:
            // The name is taken: the user is asked for another one.
            combo.SetText(ResourceStrings().Load(res::kStrProfile));
            combo.Focus();
            Enable(res::kStoreProfileButton, true);
            Enable(res::kDeleteProfileButton, false);
            break;
        case ProfileOutcome::Refused:
            RefuseProfileName();
            break;
    }
}

void CScannerDialog::DeleteProfile() {
    const auto combo = Get<ComboBox>(res::kProfileCombo);
    ComboProfileList list(combo);
    if (profiles_.Delete(list, combo.Text()) == ProfileOutcome::Refused) {
        RefuseProfileName();
        return;
    }
    Enable(res::kDeleteProfileButton, false);
    Enable(res::kStoreProfileButton, false);
}

void CScannerDialog::RefuseProfileName() {
    MessageBoxA(hwnd(), ResourceStrings().Load(res::kStrProfileNameRefused).c_str(),
                ResourceStrings().Load(res::kStrDialogTitle).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace z8::ui
