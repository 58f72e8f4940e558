#include "datasource/source_identity.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/unit/datasource/fake_string_table.h"

namespace z8 {
namespace {

TEST(SourceIdentity, FilledFromStringsThreeZeroOneTwo) {
    test::FakeStringTable strings(
        {{0, "TAVRO"}, {1, "ZEVODAZ"}, {2, "VARUR UZ Edazi 1.0"}, {3, "F\xE9vrier 2003"}});
    const TW_IDENTITY id = MakeSourceIdentity(strings);

    EXPECT_EQ(strings.requests, (std::vector<unsigned>{3, 0, 1, 2}));
    EXPECT_EQ(TW_UINT32{id.Id}, 0u);  // packed fields are read by value
    EXPECT_EQ(id.Version.MajorNum, 1);
    EXPECT_EQ(id.Version.MinorNum, 1);
    EXPECT_EQ(id.Version.Language, TWLG_FRENCH);
    EXPECT_EQ(id.Version.Country, TWCY_FRANCE);
    EXPECT_STREQ(id.Version.Info, "F\xE9vrier 2003");
    EXPECT_EQ(id.ProtocolMajor, 1);
    EXPECT_EQ(id.ProtocolMinor, 9);
    EXPECT_EQ(TW_UINT32{id.SupportedGroups}, 3u);
    EXPECT_STREQ(id.Manufacturer, "TAVRO");
    EXPECT_STREQ(id.ProductFamily, "ZEVODAZ");
    EXPECT_STREQ(id.ProductName, "VARUR UZ Edazi 1.0");
}

TEST(SourceIdentity, TextsAreTruncatedToTheFieldAndZeroFilled) {
    char field[34];
    std::memset(field, 'x', sizeof field);
    CopyTwainString(field, std::string(40, 'a'));
    EXPECT_EQ(std::strlen(field), 33u);
    EXPECT_EQ(field[33], '\0');

    std::memset(field, 'x', sizeof field);
    CopyTwainString(field, "ab");
    for (size_t i = 2; i < sizeof field; ++i)
        EXPECT_EQ(field[i], '\0') << i;

    // A missing text leaves an empty field rather than garbage.
    test::FakeStringTable none({});
    EXPECT_STREQ(MakeSourceIdentity(none).ProductName, "");
}

}  // namespace
}  // namespace z8
