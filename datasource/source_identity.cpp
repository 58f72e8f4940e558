#include "datasource/source_identity.h"

#include "resources/string_ids.h"

namespace z8 {

TW_IDENTITY MakeSourceIdentity(const StringTable& strings) {
    TW_IDENTITY id{};
    id.Id = 0;
    id.Version.MajorNum = 1;
    id.Version.MinorNum = 1;
    id.Version.Language = TWLG_FRENCH;
    id.Version.Country = TWCY_FRANCE;
    // Loaded in this order so that a resource library sees the same requests.
    CopyTwainString(id.Version.Info, strings.Load(res::kStrVersionInfo));
    id.ProtocolMajor = 1;
    id.ProtocolMinor = 9;
    id.SupportedGroups = DG_CONTROL | DG_IMAGE;
    CopyTwainString(id.Manufacturer, strings.Load(res::kStrManufacturer));
    CopyTwainString(id.ProductFamily, strings.Load(res::kStrProductFamily));
    CopyTwainString(id.ProductName, strings.Load(res::kStrProductName));
    return id;
}

}  // namespace z8
