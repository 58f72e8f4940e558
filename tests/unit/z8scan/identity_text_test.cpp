#include "tools/z8scan/identity_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace z8scan {
namespace {

TEST(IdentityText, EveryFieldOnItsOwnLineAndFullLengthNamesKept) {
    TW_IDENTITY id{};
    id.Id = 7;
    id.Version.MajorNum = 1;
    id.Version.MinorNum = 1;
    id.Version.Language = TWLG_FRENCH;
    id.Version.Country = TWCY_FRANCE;
    std::strcpy(id.Version.Info, "F\xE9vrier 2003");
    id.ProtocolMajor = 1;
    id.ProtocolMinor = 9;
    id.SupportedGroups = 3;
    std::strcpy(id.Manufacturer, "TAVRO");
    // A name that fills the field without a terminator must not run past it.
    std::memset(id.ProductFamily, 'F', sizeof id.ProductFamily);
    std::strcpy(id.ProductName, "VARUR UZ Edazi 1.0");

    const std::string text = DescribeIdentity(id, [](const std::string& s) {
        return s == "F\xE9vrier 2003" ? std::string("F\xC3\xA9vrier 2003") : s;
    });
    EXPECT_EQ(text,
              "  Id: 7\n"
              "  Version: 1.1\n"
              "  Language: 5\n"
              "  Country: 33\n"
              "  Protocol: 1.9\n"
              "  SupportedGroups: 0x00000003\n"
              "  VersionInfo: F\xC3\xA9vrier 2003\n"
              "  Manufacturer: TAVRO\n"
              "  ProductFamily: " +
                  std::string(34, 'F') +
                  "\n"
                  "  ProductName: VARUR UZ Edazi 1.0\n");
}

}  // namespace
}  // namespace z8scan
