#pragma once

#include "imaging/image.h"
#include "platform/system_paths.h"
#include "settings/scan_settings.h"
#include "twain/twain.h"

namespace z8 {

// The outcome of a triplet: its return code and, for a refusal, the
// condition code.
struct TripletAnswer {
    TW_UINT16 rc = TWRC_SUCCESS;
    TW_UINT16 cc = TWCC_SUCCESS;
};

// What the describing triplets read: the settings, the Windows directory of
// the default file name, and the page waiting for its transfer (null outside
// states 6 and 7, or when the scan brought none). A page is described as it
// was scanned, whatever the settings say since.
struct SetupContext {
    CScanSettings& settings;
    const SystemPaths& paths;
    const Image* pendingPage;
};

// The triplets below take the messages the state table lets through; pData
// is read and written whole, and a null pData that would be used is refused
// with TWCC_BADVALUE.

// DAT_SETUPMEMXFER MSG_GET: a line at least, 1 MiB at most, 64 KiB or a line
// preferred.
TripletAnswer SetupMemoryTransfer(const SetupContext& context, TW_MEMREF data);
// DAT_SETUPFILEXFER: the file name and format of file transfers.
TripletAnswer SetupFileTransfer(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data);
// DAT_XFERGROUP: always DG_IMAGE; MSG_SET changes nothing.
TripletAnswer TransferGroup(TW_UINT16 msg, TW_MEMREF data);
// DAT_PALETTE8 MSG_GET by pixel type (none for black and white); the other
// messages change nothing.
TripletAnswer Palette(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data);
// DAT_IMAGEINFO MSG_GET; without a page an all-zero record, TWRC_CANCEL and
// TWCC_BUMMER.
TripletAnswer ImageInformation(const SetupContext& context, TW_MEMREF data);
// DAT_IMAGELAYOUT: the whole bed (MSG_GET, MSG_GETDEFAULT), the selected area
// (MSG_GETCURRENT), stored as given (MSG_SET), A4 again (MSG_RESET, which
// answers the selected area).
TripletAnswer ImageLayout(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data);

// What DAT_IMAGEINFO says of a page: its size, depth and resolution; grey
// pages are TWPT_PALETTE when the inversion is on.
TW_IMAGEINFO DescribePage(const Image& page, bool inverted);
// Whole dots per inch of a DIB resolution made from them.
TW_INT16 WholeDpi(int32_t pelsPerMeter);

}  // namespace z8
