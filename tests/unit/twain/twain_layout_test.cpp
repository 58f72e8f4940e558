// The records as a peer compiled with 2-byte packing sees them, byte for byte,
// and the identifier tables the source dispatches on.
#include "twain/twain.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace {

static_assert(std::endian::native == std::endian::little, "the byte images below are x86 order");

// A byte image written field after field, in order and width only: no
// offsets, so it does not share the assumptions of the record definitions.
class Wire {
public:
    Wire& U16(std::uint16_t v) { return Put(v, 2); }
    Wire& U32(std::uint32_t v) { return Put(v, 4); }
    Wire& Ptr(const void* p) { return Put(reinterpret_cast<std::uintptr_t>(p), sizeof p); }
    // Zero-filled fixed-size string field.
    Wire& Str(const char* text, std::size_t field) {
        const std::size_t n = std::strlen(text);
        bytes_.insert(bytes_.end(), text, text + n);
        bytes_.insert(bytes_.end(), field - n, 0);
        return *this;
    }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    Wire& Put(std::uint64_t v, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i)
            bytes_.push_back((v >> (8 * i)) & 0xff);
        return *this;
    }
    std::vector<unsigned char> bytes_;
};

template <class Record>
std::vector<unsigned char> BytesOf(const Record& record) {
    std::vector<unsigned char> out(sizeof record);
    std::memcpy(out.data(), &record, sizeof record);
    return out;
}

// Recognisable pointer values; never dereferenced.
void* Fake(std::uintptr_t v) {
    return reinterpret_cast<void*>(v);
}

TEST(TwainRecordBytes, IdentityIsTheExpectedHundredAndFiftySixBytes) {
    TW_IDENTITY id{};
    id.Id = 0x11223344;
    id.Version.MajorNum = 1;
    id.Version.MinorNum = 2;
    id.Version.Language = TWLG_FRENCH;
    id.Version.Country = TWCY_FRANCE;
    std::strcpy(id.Version.Info, "1.2 beta");
    id.ProtocolMajor = TWON_PROTOCOLMAJOR;
    id.ProtocolMinor = TWON_PROTOCOLMINOR;
    id.SupportedGroups = DG_CONTROL | DG_IMAGE;
    std::strcpy(id.Manufacturer, "Maker");
    std::strcpy(id.ProductFamily, "Family");
    std::strcpy(id.ProductName, "A name of exactly thirty-three ch");

    Wire peer;
    peer.U32(0x11223344).U16(1).U16(2).U16(5).U16(33).Str("1.2 beta", 34);
    peer.U16(1).U16(9).U32(3);
    peer.Str("Maker", 34).Str("Family", 34).Str("A name of exactly thirty-three ch", 34);
    EXPECT_EQ(BytesOf(id), peer.bytes());
}

TEST(TwainRecordBytes, OneValueCarriesAFix32WholeThenFraction) {
    // -1.5 is Whole -2 plus Frac 0x8000; a source stores it by value in Item.
    const TW_FIX32 value{-2, 0x8000};
    TW_ONEVALUE one{};
    one.ItemType = TWTY_FIX32;
    one.Item = std::bit_cast<TW_UINT32>(value);

    const std::vector<unsigned char> expected = {0x07, 0x00, 0xfe, 0xff, 0x00, 0x80};
    EXPECT_EQ(BytesOf(one), expected);

    // And back, as an application's container is read.
    const TW_FIX32 read = std::bit_cast<TW_FIX32>(static_cast<TW_UINT32>(one.Item));
    EXPECT_EQ(read.Whole, -2);
    EXPECT_EQ(read.Frac, 0x8000);
}

TEST(TwainRecordBytes, RecordsHoldingPointersPackThemWithoutPadding) {
    const std::uintptr_t mark = sizeof(void*) == 4 ? 0x89abcdefu : 0x0123456789abcdefu;

    TW_CAPABILITY cap{};
    cap.Cap = ICAP_XRESOLUTION;
    cap.ConType = TWON_ONEVALUE;
    cap.hContainer = Fake(mark);
    EXPECT_EQ(BytesOf(cap), Wire().U16(0x1118).U16(5).Ptr(Fake(mark)).bytes());

    TW_EVENT event{};
    event.pEvent = Fake(mark);
    event.TWMessage = MSG_XFERREADY;
    EXPECT_EQ(BytesOf(event), Wire().Ptr(Fake(mark)).U16(0x0101).bytes());

    TW_USERINTERFACE ui{};
    ui.ShowUI = 1;
    ui.ModalUI = 0;
    ui.hParent = Fake(mark);
    EXPECT_EQ(BytesOf(ui), Wire().U16(1).U16(0).Ptr(Fake(mark)).bytes());

    TW_CUSTOMDSDATA custom{};
    custom.InfoLength = 0x0a0b0c0d;
    custom.hData = Fake(mark);
    EXPECT_EQ(BytesOf(custom), Wire().U32(0x0a0b0c0d).Ptr(Fake(mark)).bytes());
}

TEST(TwainRecordBytes, MemoryTransferDescribesTheStripAndItsBuffer) {
    const std::uintptr_t mark = sizeof(void*) == 4 ? 0x00c0ffeeu : 0x0000700000c0ffeeu;
    TW_IMAGEMEMXFER xfer{};
    xfer.Compression = TWCP_NONE;
    xfer.BytesPerRow = 7650;
    xfer.Columns = 2550;
    xfer.Rows = 64;
    xfer.XOffset = 0;
    xfer.YOffset = 3456;
    xfer.BytesWritten = 7650 * 64;
    xfer.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
    xfer.Memory.Length = 0x00080000;
    xfer.Memory.TheMem = Fake(mark);

    Wire peer;
    peer.U16(0).U32(7650).U32(2550).U32(64).U32(0).U32(3456).U32(7650 * 64);
    peer.U32(0x09).U32(0x00080000).Ptr(Fake(mark));
    EXPECT_EQ(BytesOf(xfer), peer.bytes());
}

TEST(TwainRecordBytes, PendingTransfersShareTheirSecondFieldBetweenBothNames) {
    TW_PENDINGXFERS pending{};
    pending.Count = 0xffff;  // -1: the source cannot tell how many remain
    pending.EOJ = 0x01020304;
    EXPECT_EQ(BytesOf(pending), Wire().U16(0xffff).U32(0x01020304).bytes());
    EXPECT_EQ(static_cast<TW_UINT32>(pending.Reserved), 0x01020304u);
}

TEST(TwainRecordBytes, EnumerationItemsFollowTheHeaderDirectly) {
    // An application reads ItemList[i] straight after DefaultIndex; the
    // trailing pad byte of sizeof() must not shift it.
    Wire peer;
    peer.U16(TWTY_UINT16).U32(3).U32(2).U32(0).U16(TWPT_BW).U16(TWPT_GRAY).U16(TWPT_RGB);
    const std::vector<unsigned char>& image = peer.bytes();
    ASSERT_EQ(image.size(), 20u);

    TW_ENUMERATION head{};
    std::memcpy(&head, image.data(), sizeof head);
    EXPECT_EQ(head.ItemType, TWTY_UINT16);
    EXPECT_EQ(static_cast<TW_UINT32>(head.NumItems), 3u);
    EXPECT_EQ(static_cast<TW_UINT32>(head.CurrentIndex), 2u);
    TW_UINT16 items[3];
    std::memcpy(items, image.data() + offsetof(TW_ENUMERATION, ItemList), sizeof items);
    EXPECT_EQ(items[0], TWPT_BW);
    EXPECT_EQ(items[2], TWPT_RGB);
}

// A value listed twice would make the source answer for the wrong item.
struct Named {
    const char* name;
    TW_UINT16 value;
};
#define NAMED(x) \
    Named {      \
#x, x    \
    }

void ExpectDistinct(const std::vector<Named>& list) {
    std::map<TW_UINT16, const char*> seen;
    for (const Named& n : list) {
        const auto [it, fresh] = seen.emplace(n.value, n.name);
        EXPECT_TRUE(fresh) << n.name << " repeats the value of " << it->second;
    }
}

TEST(TwainIdentifiers, CapabilitiesAreDistinctAndInTheirBlocks) {
    const std::initializer_list<Named> general = {
        NAMED(CAP_AUTHOR),
        NAMED(CAP_CAPTION),
        NAMED(CAP_FEEDERENABLED),
        NAMED(CAP_FEEDERLOADED),
        NAMED(CAP_TIMEDATE),
        NAMED(CAP_SUPPORTEDCAPS),
        NAMED(CAP_EXTENDEDCAPS),
        NAMED(CAP_AUTOFEED),
        NAMED(CAP_CLEARPAGE),
        NAMED(CAP_FEEDPAGE),
        NAMED(CAP_REWINDPAGE),
        NAMED(CAP_INDICATORS),
        NAMED(CAP_SUPPORTEDCAPSEXT),
        NAMED(CAP_PAPERDETECTABLE),
        NAMED(CAP_UICONTROLLABLE),
        NAMED(CAP_DEVICEONLINE),
        NAMED(CAP_AUTOSCAN),
        NAMED(CAP_THUMBNAILSENABLED),
        NAMED(CAP_DUPLEX),
        NAMED(CAP_DUPLEXENABLED),
        NAMED(CAP_ENABLEDSUIONLY),
        NAMED(CAP_CUSTOMDSDATA),
        NAMED(CAP_ENDORSER),
        NAMED(CAP_JOBCONTROL),
        NAMED(CAP_ALARMS),
        NAMED(CAP_ALARMVOLUME),
        NAMED(CAP_AUTOMATICCAPTURE),
        NAMED(CAP_TIMEBEFOREFIRSTCAPTURE),
        NAMED(CAP_TIMEBETWEENCAPTURES),
        NAMED(CAP_CLEARBUFFERS),
        NAMED(CAP_MAXBATCHBUFFERS),
        NAMED(CAP_DEVICETIMEDATE),
        NAMED(CAP_POWERSUPPLY),
        NAMED(CAP_CAMERAPREVIEWUI),
        NAMED(CAP_DEVICEEVENT),
        NAMED(CAP_SERIALNUMBER),
        NAMED(CAP_PRINTER),
        NAMED(CAP_PRINTERENABLED),
        NAMED(CAP_PRINTERINDEX),
        NAMED(CAP_PRINTERMODE),
        NAMED(CAP_PRINTERSTRING),
        NAMED(CAP_PRINTERSUFFIX),
        NAMED(CAP_LANGUAGE),
        NAMED(CAP_FEEDERALIGNMENT),
        NAMED(CAP_FEEDERORDER),
        NAMED(CAP_REACQUIREALLOWED),
        NAMED(CAP_BATTERYMINUTES),
        NAMED(CAP_BATTERYPERCENTAGE),
    };
    const std::initializer_list<Named> image = {
        NAMED(ICAP_AUTOBRIGHT),
        NAMED(ICAP_BRIGHTNESS),
        NAMED(ICAP_CONTRAST),
        NAMED(ICAP_CUSTHALFTONE),
        NAMED(ICAP_EXPOSURETIME),
        NAMED(ICAP_FILTER),
        NAMED(ICAP_FLASHUSED),
        NAMED(ICAP_GAMMA),
        NAMED(ICAP_HALFTONES),
        NAMED(ICAP_HIGHLIGHT),
        NAMED(ICAP_IMAGEFILEFORMAT),
        NAMED(ICAP_LAMPSTATE),
        NAMED(ICAP_LIGHTSOURCE),
        NAMED(ICAP_ORIENTATION),
        NAMED(ICAP_PHYSICALWIDTH),
        NAMED(ICAP_PHYSICALHEIGHT),
        NAMED(ICAP_SHADOW),
        NAMED(ICAP_FRAMES),
        NAMED(ICAP_XNATIVERESOLUTION),
        NAMED(ICAP_YNATIVERESOLUTION),
        NAMED(ICAP_XRESOLUTION),
        NAMED(ICAP_YRESOLUTION),
        NAMED(ICAP_MAXFRAMES),
        NAMED(ICAP_TILES),
        NAMED(ICAP_BITORDER),
        NAMED(ICAP_CCITTKFACTOR),
        NAMED(ICAP_LIGHTPATH),
        NAMED(ICAP_PIXELFLAVOR),
        NAMED(ICAP_PLANARCHUNKY),
        NAMED(ICAP_ROTATION),
        NAMED(ICAP_SUPPORTEDSIZES),
        NAMED(ICAP_THRESHOLD),
        NAMED(ICAP_XSCALING),
        NAMED(ICAP_YSCALING),
        NAMED(ICAP_BITORDERCODES),
        NAMED(ICAP_PIXELFLAVORCODES),
        NAMED(ICAP_JPEGPIXELTYPE),
        NAMED(ICAP_TIMEFILL),
        NAMED(ICAP_BITDEPTH),
        NAMED(ICAP_BITDEPTHREDUCTION),
        NAMED(ICAP_UNDEFINEDIMAGESIZE),
        NAMED(ICAP_IMAGEDATASET),
        NAMED(ICAP_EXTIMAGEINFO),
        NAMED(ICAP_MINIMUMHEIGHT),
        NAMED(ICAP_MINIMUMWIDTH),
        NAMED(ICAP_FLIPROTATION),
        NAMED(ICAP_BARCODEDETECTIONENABLED),
        NAMED(ICAP_SUPPORTEDBARCODETYPES),
        NAMED(ICAP_BARCODEMAXSEARCHPRIORITIES),
        NAMED(ICAP_BARCODESEARCHPRIORITIES),
        NAMED(ICAP_BARCODESEARCHMODE),
        NAMED(ICAP_BARCODEMAXRETRIES),
        NAMED(ICAP_BARCODETIMEOUT),
        NAMED(ICAP_ZOOMFACTOR),
        NAMED(ICAP_PATCHCODEDETECTIONENABLED),
        NAMED(ICAP_SUPPORTEDPATCHCODETYPES),
        NAMED(ICAP_PATCHCODEMAXSEARCHPRIORITIES),
        NAMED(ICAP_PATCHCODESEARCHPRIORITIES),
        NAMED(ICAP_PATCHCODESEARCHMODE),
        NAMED(ICAP_PATCHCODEMAXRETRIES),
        NAMED(ICAP_PATCHCODETIMEOUT),
        NAMED(ICAP_FLASHUSED2),
        NAMED(ICAP_IMAGEFILTER),
        NAMED(ICAP_NOISEFILTER),
        NAMED(ICAP_OVERSCAN),
        NAMED(ICAP_AUTOMATICBORDERDETECTION),
        NAMED(ICAP_AUTOMATICDESKEW),
        NAMED(ICAP_AUTOMATICROTATE),
        NAMED(ICAP_JPEGQUALITY),
    };
    for (const Named& n : general) {
        EXPECT_EQ(n.value & 0xff00, 0x1000) << n.name;
    }
    for (const Named& n : image) {
        EXPECT_EQ(n.value & 0xff00, 0x1100) << n.name;
    }

    std::vector<Named> all = {NAMED(CAP_XFERCOUNT), NAMED(ICAP_COMPRESSION), NAMED(ICAP_PIXELTYPE),
                              NAMED(ICAP_UNITS), NAMED(ICAP_XFERMECH)};
    all.insert(all.end(), general);
    all.insert(all.end(), image);
    ExpectDistinct(all);
}

TEST(TwainIdentifiers, MessagesAndDataArgumentTypesAreDistinct) {
    // Message values are unique across all data argument types, which lets a
    // source reject a message sent with the wrong DAT.
    ExpectDistinct({NAMED(MSG_GET),
                    NAMED(MSG_GETCURRENT),
                    NAMED(MSG_GETDEFAULT),
                    NAMED(MSG_GETFIRST),
                    NAMED(MSG_GETNEXT),
                    NAMED(MSG_SET),
                    NAMED(MSG_RESET),
                    NAMED(MSG_QUERYSUPPORT),
                    NAMED(MSG_XFERREADY),
                    NAMED(MSG_CLOSEDSREQ),
                    NAMED(MSG_CLOSEDSOK),
                    NAMED(MSG_DEVICEEVENT),
                    NAMED(MSG_CHECKSTATUS),
                    NAMED(MSG_OPENDSM),
                    NAMED(MSG_CLOSEDSM),
                    NAMED(MSG_OPENDS),
                    NAMED(MSG_CLOSEDS),
                    NAMED(MSG_USERSELECT),
                    NAMED(MSG_DISABLEDS),
                    NAMED(MSG_ENABLEDS),
                    NAMED(MSG_ENABLEDSUIONLY),
                    NAMED(MSG_PROCESSEVENT),
                    NAMED(MSG_ENDXFER),
                    NAMED(MSG_STOPFEEDER),
                    NAMED(MSG_CHANGEDIRECTORY),
                    NAMED(MSG_CREATEDIRECTORY),
                    NAMED(MSG_DELETE),
                    NAMED(MSG_FORMATMEDIA),
                    NAMED(MSG_GETCLOSE),
                    NAMED(MSG_GETFIRSTFILE),
                    NAMED(MSG_GETINFO),
                    NAMED(MSG_GETNEXTFILE),
                    NAMED(MSG_RENAME),
                    NAMED(MSG_COPY),
                    NAMED(MSG_AUTOMATICCAPTUREDIRECTORY),
                    NAMED(MSG_PASSTHRU)});
    ExpectDistinct(
        {NAMED(DAT_CAPABILITY),      NAMED(DAT_EVENT),           NAMED(DAT_IDENTITY),
         NAMED(DAT_PARENT),          NAMED(DAT_PENDINGXFERS),    NAMED(DAT_SETUPMEMXFER),
         NAMED(DAT_SETUPFILEXFER),   NAMED(DAT_STATUS),          NAMED(DAT_USERINTERFACE),
         NAMED(DAT_XFERGROUP),       NAMED(DAT_TWUNKIDENTITY),   NAMED(DAT_CUSTOMDSDATA),
         NAMED(DAT_DEVICEEVENT),     NAMED(DAT_FILESYSTEM),      NAMED(DAT_PASSTHRU),
         NAMED(DAT_IMAGEINFO),       NAMED(DAT_IMAGELAYOUT),     NAMED(DAT_IMAGEMEMXFER),
         NAMED(DAT_IMAGENATIVEXFER), NAMED(DAT_IMAGEFILEXFER),   NAMED(DAT_CIECOLOR),
         NAMED(DAT_GRAYRESPONSE),    NAMED(DAT_RGBRESPONSE),     NAMED(DAT_JPEGCOMPRESSION),
         NAMED(DAT_PALETTE8),        NAMED(DAT_EXTIMAGEINFO),    NAMED(DAT_AUDIOFILEXFER),
         NAMED(DAT_AUDIOINFO),       NAMED(DAT_AUDIONATIVEXFER), NAMED(DAT_SETUPFILEXFER2)});
}

}  // namespace
