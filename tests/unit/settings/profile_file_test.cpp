#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/ini_profile_store.h"
#include "tests/unit/settings/temp_dir.h"
#include "twain/fix32.h"

namespace z8 {
namespace {

constexpr char kDefaultName[] =
    "Par d\xE9"
    "faut";

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\WINDOWS"; }
};

// The file store, except that the section listing answers from a script as
// long as it has answers, and writes are counted.
class ScriptedListing final : public ProfileStore {
public:
    explicit ScriptedListing(ProfileStore& inner) : inner_(inner) {}
    uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                       uint32_t size, const char* file) override {
        return inner_.GetString(section, key, def, buffer, size, file);
    }
    uint32_t GetInt(const char* section, const char* key, int32_t def, const char* file) override {
        return inner_.GetInt(section, key, def, file);
    }
    bool WriteString(const char* section, const char* key, const char* value,
                     const char* file) override {
        ++writes;
        return inner_.WriteString(section, key, value, file);
    }
    uint32_t GetSectionNames(char* buffer, uint32_t size, const char* file) override {
        ++listings;
        if (answers.empty()) return inner_.GetSectionNames(buffer, size, file);
        const uint32_t answer = answers.front();
        if (answers.size() > 1 || !repeatLast) answers.pop_front();
        return answer;
    }

    std::deque<uint32_t> answers;
    bool repeatLast = false;
    int writes = 0;
    int listings = 0;

private:
    ProfileStore& inner_;
};

class ProfileFileTest : public ::testing::Test {
protected:
    std::string FileText() const { return test::ReadFile(dir.File(kProfileFileName)); }
    CScanSettings Applied(int index, std::string_view entryName = {}) {
        CScanSettings s(paths);
        profiles.ApplyProfile(index, s, entryName);
        return s;
    }

    test::TempDir dir;
    IniProfileStore store{dir.path()};
    ProfileFile profiles{store, kDefaultName};
    FixedPaths paths;
};

TEST_F(ProfileFileTest, FirstStartReadsDefaultsAndWritesNothing) {
    // The dialog object applies index 4 before its window writes anything.
    const CScanSettings s = Applied(kDefaultProfileIndex);
    EXPECT_EQ(s.PixelType(), TWPT_RGB);
    EXPECT_EQ(s.BitDepth(), 24);
    EXPECT_EQ(s.XResolution().Whole, 80);
    EXPECT_EQ(s.YResolution().Whole, 80);

    // A missing file lists 0 characters: nothing is written.
    profiles.EnsureDefaultProfile();
    EXPECT_FALSE(std::filesystem::exists(dir.File(kProfileFileName)));
}

TEST_F(ProfileFileTest, ListingOfOneCharacterWritesTheDefaultProfile) {
    ScriptedListing scripted(store);
    scripted.answers = {1};
    ProfileFile file(scripted, kDefaultName);
    file.EnsureDefaultProfile();
    EXPECT_EQ(scripted.listings, 2);
    EXPECT_EQ(FileText(),
              "[PRESELECTIONS]\r\nDEFAULT=Par d\xE9"
              "faut\r\n"
              "[Par d\xE9"
              "faut]\r\nXRESOLUTION=100\r\nYRESOLUTION=100\r\nROUGE=0\r\nVERT=0\r\n"
              "BLEU=0\r\nCONTRASTE=0\r\nLUMINOSITE=0\r\nINVERSION=0\r\nMIROIRH=0\r\nMIROIRV=0\r\n"
              "FILTRE=0\r\n");

    // COULEUR is not written: the default profile scans in colour.
    CScanSettings s(paths);
    s.SetRed(30);
    profiles.ApplyProfile(kDefaultProfileIndex, s);
    EXPECT_EQ(s.PixelType(), TWPT_RGB);
    EXPECT_EQ(s.XResolution().Whole, 100);
    EXPECT_EQ(s.YResolution().Whole, 100);
    EXPECT_EQ(s.Red(), 0);
}

TEST_F(ProfileFileTest, RepeatedWritesOfTheDefaultProfileAreBounded) {
    ScriptedListing scripted(store);
    scripted.answers = {1};
    scripted.repeatLast = true;
    ProfileFile file(scripted, kDefaultName);
    file.EnsureDefaultProfile();
    EXPECT_EQ(scripted.writes, 3 * 12);
    EXPECT_EQ(scripted.listings, 4);

    // Any other length leaves the file alone.
    for (const uint32_t length : {0u, 2u, 148u}) {
        scripted.answers = {length};
        scripted.repeatLast = false;
        scripted.writes = 0;
        file.EnsureDefaultProfile();
        EXPECT_EQ(scripted.writes, 0) << length;
    }
}

TEST_F(ProfileFileTest, StoredProfilePhoto) {
    CScanSettings s(paths);
    s.SetPixelType(TWPT_GRAY);
    s.SetXResolutionIndex(4);
    s.SetYResolutionIndex(4);
    s.SetRed(-20);
    ASSERT_TRUE(profiles.StoreProfile("Photo", s));
    EXPECT_EQ(FileText(),
              "[Photo]\r\nPhoto=Photo\r\nCOULEUR=1\r\nXRESOLUTION=300\r\nYRESOLUTION=300\r\n"
              "ROUGE=-20\r\nVERT=0\r\nBLEU=0\r\nCONTRASTE=0\r\nLUMINOSITE=0\r\nINVERSION=0\r\n"
              "MIROIRV=0\r\nMIROIRH=0\r\nFILTRE=0\r\n[PRESELECTIONS]\r\nDEFAULT=Photo\r\n");

    const CScanSettings back = Applied(5, "photo");
    EXPECT_EQ(back.PixelType(), TWPT_GRAY);
    EXPECT_EQ(back.XResolution().Whole, 300);
    EXPECT_EQ(back.Red(), -20);
}

TEST_F(ProfileFileTest, ContrastIsTruncatedAndBrightnessTakesItsWholePart) {
    CScanSettings s(paths);
    s.SetContrast(FloatToFix32(-2.5f));
    s.SetBrightness(FloatToFix32(-2.5f));
    ASSERT_TRUE(profiles.StoreProfile("Tones", s));
    char text[16];
    store.GetString("Tones", "CONTRASTE", "", text, sizeof text, kProfileFileName);
    EXPECT_STREQ(text, "-2");
    store.GetString("Tones", "LUMINOSITE", "", text, sizeof text, kProfileFileName);
    EXPECT_STREQ(text, "-3");
}

TEST_F(ProfileFileTest, EveryEntryFromFiveAppliesTheProfileItNames) {
    CScanSettings photo(paths);
    photo.SetPixelType(TWPT_GRAY);
    photo.SetXResolutionIndex(4);
    ASSERT_TRUE(profiles.StoreProfile("Photo", photo));
    CScanSettings night(paths);
    night.SetPixelType(TWPT_RGB);
    night.SetXResolutionIndex(6);
    ASSERT_TRUE(profiles.StoreProfile("Nuit", night));
    CScanSettings scan(paths);
    scan.SetPixelType(TWPT_BW);
    scan.SetXResolutionIndex(2);
    scan.SetMirrorV(1);
    ASSERT_TRUE(profiles.StoreProfile(kDefaultName, scan));  // at a final scan: stored last

    struct Case {
        int index;
        const char* entry;
        TW_UINT16 pixelType;
        TW_INT16 dpi;
    };
    const Case cases[] = {
        {5, "photo", TWPT_GRAY, 300},  // not the profile stored last
        {6, "Nuit", TWPT_RGB, 600},
        {40, "NUIT", TWPT_RGB, 600},  // matched as the file matches sections
        {4, kDefaultName, TWPT_BW, 150},
        {5, "", TWPT_BW, 150},        // no name: the default profile
        {7, "Absent", TWPT_RGB, 80},  // a missing profile reads the defaults
    };
    for (const Case& c : cases) {
        const CScanSettings s = Applied(c.index, c.entry);
        EXPECT_EQ(s.PixelType(), c.pixelType) << c.index << " " << c.entry;
        EXPECT_EQ(s.XResolution().Whole, c.dpi) << c.index << " " << c.entry;
    }
}

TEST_F(ProfileFileTest, StoredNumbersKeepOnlyTheBitsOfTheirField) {
    store.WriteString("Odd", "ROUGE", "300", kProfileFileName);
    store.WriteString("Odd", "VERT", "150", kProfileFileName);
    store.WriteString("Odd", "XRESOLUTION", "250", kProfileFileName);
    store.WriteString("Odd", "COULEUR", "65536", kProfileFileName);
    CScanSettings s(paths);
    s.SetGreen(9);
    profiles.ApplyProfile(5, s, "Odd");
    EXPECT_EQ(s.Red(), 44);                 // 300 modulo 256
    EXPECT_EQ(s.Green(), 9);                // 150 is out of range: unchanged
    EXPECT_EQ(s.XResolution().Whole, 250);  // not in the list, still taken
    EXPECT_EQ(s.PixelType(), TWPT_GRAY);    // 65536 is not 0..3
}

TEST_F(ProfileFileTest, PresetsChangeOnlyTypeAndResolution) {
    CScanSettings s(paths);
    s.SetRed(-40);
    s.SetInvert(1);
    s.SetContrastWhole(2);
    profiles.ApplyProfile(2, s);
    EXPECT_EQ(s.PixelType(), TWPT_BW);
    EXPECT_EQ(s.BitDepth(), 1);
    EXPECT_EQ(s.XResolution().Whole, 200);
    EXPECT_EQ(s.YResolution().Whole, 200);
    EXPECT_EQ(s.Red(), -40);
    EXPECT_EQ(s.Invert(), 1);
    EXPECT_EQ(s.ContrastWhole(), 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File(kProfileFileName)));
}

TEST_F(ProfileFileTest, NamesThatWouldBreakTheFileAreRefused) {
    const CScanSettings s(paths);
    ASSERT_TRUE(profiles.StoreProfile("Photo", s));
    const std::string before = FileText();
    for (const char* bad :
         {"", "a]b", "a=b", "two\r\nlines", "new\nline", "tab\there", "\x1A", " Photo", "Photo ",
          "PRESELECTIONS", "preselections", "Job_Default", "JOB_DEFAULT"}) {
        EXPECT_FALSE(profiles.StoreProfile(bad, s)) << bad;
        EXPECT_FALSE(profiles.DeleteProfile(bad)) << bad;
        EXPECT_FALSE(IsStorableProfileName(bad)) << bad;
    }
    EXPECT_EQ(FileText(), before);
    for (const char* good : {"Photo", "[x", "a b", "PRESELECTIONS2", "JOB",
                             "Par d\xE9"
                             "faut",
                             "x;y"})
        EXPECT_TRUE(IsStorableProfileName(good)) << good;
}

TEST_F(ProfileFileTest, LongNamesAreNotCut) {
    CScanSettings blue(paths);
    blue.SetBlue(33);
    ASSERT_TRUE(profiles.StoreProfile("Photographie de nuit", blue));  // 20 characters
    CScanSettings red(paths);
    red.SetRed(77);
    ASSERT_TRUE(profiles.StoreProfile("Photographie de nui", red));
    EXPECT_EQ(Applied(5, "Photographie de nuit").Blue(), 33);
    EXPECT_EQ(Applied(5, "Photographie de nuit").Red(), 0);
    EXPECT_EQ(Applied(6, "Photographie de nui").Red(), 77);
}

TEST_F(ProfileFileTest, ProfileNamesListEveryProfileHoweverManyAndLong) {
    // 60 names of 40 to 99 characters: far past any first buffer.
    std::vector<std::string> want;
    const CScanSettings s(paths);
    for (int i = 0; i < 60; ++i) {
        want.push_back("Profil " + std::to_string(i) + " " + std::string(33 + i, 'x'));
        ASSERT_TRUE(profiles.StoreProfile(want.back(), s));
    }
    // The two sections that are not profiles never show, in any case.
    store.WriteString("job_default", "X", "1", kProfileFileName);
    EXPECT_EQ(profiles.ProfileNames(), want);

    ASSERT_TRUE(profiles.DeleteProfile(want[3]));
    want.erase(want.begin() + 3);
    EXPECT_EQ(profiles.ProfileNames(), want);
    // The default profile's pointer to the profile stored last stays.
    char last[128];
    store.GetString(kPreselectionsSection, kPreselectionsDefaultKey, "", last, sizeof last,
                    kProfileFileName);
    EXPECT_EQ(std::string(last), want.back());
}

}  // namespace
}  // namespace z8
