#include "settings/profile_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ini_profile_store.h"
#include "tests/unit/settings/temp_dir.h"

namespace z8 {
namespace {

constexpr char kDefaultName[] =
    "Par d\xE9"
    "faut";
const std::array<std::string, kPresetCount> kPresets{"Ecran/Internet", "Imprimante",
                                                     "Fax noir et blanc", "OCR"};

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
};

// The profile box as a list of texts.
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

class ProfileListTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A file as a first scan leaves it, with two stored profiles.
        ASSERT_TRUE(file.StoreProfile(kDefaultName, Settings(TWPT_RGB, 100)));
        ASSERT_TRUE(file.StoreProfile("Photo", Settings(TWPT_GRAY, 300)));
        ASSERT_TRUE(file.StoreProfile("Photo album", Settings(TWPT_RGB, 600)));
        list.Fill(box);
    }
    CScanSettings Settings(TW_UINT16 pixelType, TW_INT16 dpi) const {
        CScanSettings s(paths);
        s.SetPixelType(pixelType);
        s.SetXResolutionDpi(dpi);
        s.SetYResolutionDpi(dpi);
        return s;
    }
    std::string FileText() const { return test::ReadFile(dir.File(kProfileFileName)); }

    test::TempDir dir;
    IniProfileStore store{dir.path()};
    ProfileFile file{store, kDefaultName};
    ProfileList list{file, kPresets};
    ListBox box;
    FixedPaths paths;
};

std::vector<std::string> Entries(std::initializer_list<std::string> stored) {
    std::vector<std::string> all(kPresets.begin(), kPresets.end());
    all.insert(all.end(), stored);
    return all;
}

TEST_F(ProfileListTest, FillListsPresetsThenEveryProfileOfTheFile) {
    EXPECT_EQ(box.texts, Entries({kDefaultName, "Photo", "Photo album"}));

    // Many long names all show, whole; the two other sections never do.
    std::vector<std::string> names{kDefaultName, "Photo", "Photo album"};
    for (int i = 0; i < 40; ++i) {
        names.push_back(std::string(30 + i, 'a' + i % 26) + " " + std::to_string(i));
        ASSERT_TRUE(file.StoreProfile(names.back(), Settings(TWPT_BW, 80)));
    }
    store.WriteString("Job_Default", "X", "1", kProfileFileName);
    ListBox full;
    list.Fill(full);
    std::vector<std::string> want(kPresets.begin(), kPresets.end());
    want.insert(want.end(), names.begin(), names.end());
    EXPECT_EQ(full.texts, want);
}

TEST_F(ProfileListTest, FillWritesTheDefaultProfileOnlyIntoAFileThatNeedsIt) {
    test::TempDir fresh;
    IniProfileStore freshStore{fresh.path()};
    ProfileFile freshFile{freshStore, kDefaultName};
    ProfileList freshList{freshFile, kPresets};
    ListBox empty;
    freshList.Fill(empty);
    EXPECT_EQ(empty.texts, Entries({}));  // a missing file lists nothing: left alone
    EXPECT_FALSE(std::filesystem::exists(fresh.File(kProfileFileName)));
}

TEST_F(ProfileListTest, ChoosingAnEntryAppliesWhatItNames) {
    struct Case {
        int entry;
        TW_UINT16 pixelType;
        TW_INT16 dpi;
    };
    const Case cases[] = {
        {0, TWPT_GRAY, 80},  // presets keep the pixel type unless they say otherwise
        {2, TWPT_BW, 200},  {4, TWPT_RGB, 100}, {5, TWPT_GRAY, 300},
        {6, TWPT_RGB, 600},  // not "Photo album" for being stored last: its own
    };
    for (const Case& c : cases) {
        CScanSettings s = Settings(TWPT_GRAY, 150);
        box.Select(c.entry);
        list.Choose(box, s);
        EXPECT_EQ(list.CurrentIndex(), c.entry);
        EXPECT_EQ(s.PixelType(), c.pixelType) << c.entry;
        EXPECT_EQ(s.XResolution().Whole, c.dpi) << c.entry;
    }
}

TEST_F(ProfileListTest, FollowSelectsTheDefaultEntryAndSaysWhenStoreAndDeleteApply) {
    box.Select(-1);
    EXPECT_TRUE(list.Follow(box));  // 4 at start: the default profile's entry
    EXPECT_EQ(box.selection, 4);
    for (const auto& [entry, applies] :
         {std::pair{0, false}, std::pair{3, false}, std::pair{5, true}, std::pair{-1, true}}) {
        box.Select(entry);
        CScanSettings s = Settings(TWPT_GRAY, 150);
        list.Choose(box, s);
        EXPECT_EQ(list.Follow(box), applies) << entry;
        EXPECT_EQ(list.CurrentIndex(), entry);
    }
}

TEST_F(ProfileListTest, StoringATypedNameWritesItsSectionAndSelectsItsEntryByExactName) {
    CScanSettings s = Settings(TWPT_GRAY, 300);
    s.SetRed(-20);
    EXPECT_EQ(list.StoreTyped(box, "Portrait", s), ProfileOutcome::Done);
    EXPECT_EQ(box.texts, Entries({kDefaultName, "Photo", "Photo album", "portrait"}));
    EXPECT_EQ(box.selection, 7);
    EXPECT_NE(FileText().find("[Portrait]\r\nPortrait=Portrait\r\nCOULEUR=1\r\nXRESOLUTION=300\r\n"
                              "YRESOLUTION=300\r\nROUGE=-20\r\n"),
              std::string::npos);
    EXPECT_NE(FileText().find("[PRESELECTIONS]\r\nDEFAULT=Portrait\r\n"), std::string::npos);

    // A name the list has, in another case: its own entry, not the first that
    // begins like it, and no second entry.
    EXPECT_EQ(list.StoreTyped(box, "PHOTO", s), ProfileOutcome::Done);
    EXPECT_EQ(box.selection, 5);
    EXPECT_EQ(list.CurrentIndex(), 5);
    EXPECT_EQ(list.StoreTyped(box, "photo album", s), ProfileOutcome::Done);
    EXPECT_EQ(box.selection, 6);
    EXPECT_EQ(box.Count(), 8);
    // A new name that begins another entry's: its own new entry.
    EXPECT_EQ(list.StoreTyped(box, "Port", s), ProfileOutcome::Done);
    EXPECT_EQ(box.texts.back(), "port");
    EXPECT_EQ(box.selection, 8);
}

TEST_F(ProfileListTest, NamesThatCannotBeProfilesWriteNothingAndAddNothing) {
    const std::string before = FileText();
    const std::vector<std::string> entries = box.texts;
    box.Select(5);
    // Creating a preset's name finds it in the list; the others are refused.
    const std::pair<const char*, ProfileOutcome> cases[] = {
        {"PRESELECTIONS", ProfileOutcome::Refused}, {"preselections", ProfileOutcome::Refused},
        {"Job_Default", ProfileOutcome::Refused},   {"OCR", ProfileOutcome::Exists},
        {"imprimante", ProfileOutcome::Exists},     {"", ProfileOutcome::Refused},
        {" Photo", ProfileOutcome::Refused},        {"a=b", ProfileOutcome::Refused},
        {"a]b", ProfileOutcome::Refused},           {"two\r\nlines", ProfileOutcome::Refused},
    };
    for (const auto& [name, created] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(list.StoreTyped(box, name, Settings(TWPT_BW, 80)), ProfileOutcome::Refused);
        EXPECT_EQ(list.Create(box, name, Settings(TWPT_BW, 80)), created);
        EXPECT_EQ(list.Delete(box, name), ProfileOutcome::Refused);
        EXPECT_EQ(FileText(), before);
        EXPECT_EQ(box.texts, entries);
        EXPECT_EQ(box.selection, 5);
    }
}

TEST_F(ProfileListTest, CreatingANameTheListHasWritesNothing) {
    const std::string before = FileText();
    EXPECT_EQ(list.Create(box, "photo", Settings(TWPT_BW, 80)), ProfileOutcome::Exists);
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(list.Create(box, "Nuit", Settings(TWPT_BW, 80)), ProfileOutcome::Done);
    EXPECT_EQ(box.texts.back(), "nuit");
    EXPECT_EQ(box.selection, 7);
}

TEST_F(ProfileListTest, DeletingRemovesTheEntryOfTheTypedNameNotTheSelectedOne) {
    box.Select(6);  // "Photo album", stale: the user typed another name since
    EXPECT_EQ(list.Delete(box, "PHOTO"), ProfileOutcome::Done);
    EXPECT_EQ(box.texts, Entries({kDefaultName, "Photo album"}));
    EXPECT_EQ(box.selection, 0);
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_EQ(FileText().find("[Photo]"), std::string::npos);
    EXPECT_NE(FileText().find("[Photo album]"), std::string::npos);
    // The profile stored last stays named, although it may be gone.
    EXPECT_NE(FileText().find("DEFAULT=Photo album"), std::string::npos);

    // A name that is not in the list deletes nothing.
    const std::string before = FileText();
    EXPECT_EQ(list.Delete(box, "Photo"), ProfileOutcome::Refused);
    EXPECT_EQ(list.Delete(box, "Photo albu"), ProfileOutcome::Refused);
    EXPECT_EQ(FileText(), before);
}

}  // namespace
}  // namespace z8
