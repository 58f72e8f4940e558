#include "tools/z8scan/identity_text.h"

#include <cstdio>
#include <cstring>

namespace z8scan {
namespace {

template <size_t N>
std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

}  // namespace

std::string DescribeIdentity(const TW_IDENTITY& identity, const TextConverter& convert) {
    char numbers[256];
    std::snprintf(numbers, sizeof numbers,
                  "  Id: %lu\n"
                  "  Version: %u.%u\n"
                  "  Language: %u\n"
                  "  Country: %u\n"
                  "  Protocol: %u.%u\n"
                  "  SupportedGroups: 0x%08lx\n",
                  static_cast<unsigned long>(identity.Id), identity.Version.MajorNum,
                  identity.Version.MinorNum, identity.Version.Language, identity.Version.Country,
                  identity.ProtocolMajor, identity.ProtocolMinor,
                  static_cast<unsigned long>(identity.SupportedGroups));
    std::string text = numbers;
    text += "  VersionInfo: " + convert(Field(identity.Version.Info)) + "\n";
    text += "  Manufacturer: " + convert(Field(identity.Manufacturer)) + "\n";
    text += "  ProductFamily: " + convert(Field(identity.ProductFamily)) + "\n";
    text += "  ProductName: " + convert(Field(identity.ProductName)) + "\n";
    return text;
}

}  // namespace z8scan
