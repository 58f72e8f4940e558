// TWAIN 1.9 protocol definitions: basic types, records, constants and the two
// entry-point types.
//
// Every integer type has a fixed width so the records keep one layout on
// Windows (LLP64) and on Linux (LP64), where `long` would be 8 bytes. Only the
// pointer-sized fields (TW_HANDLE, TW_MEMREF) differ between 32- and 64-bit
// builds. Records are packed to 2 bytes, the alignment every TWAIN 1.x
// application and source manager was compiled with.
//
// Packing leaves 4-byte members on 2-byte boundaries: copy such members into
// locals instead of taking their address or binding a non-const reference.
//
// Names stay global and keep their customary spelling so that code reads like
// any other TWAIN code.

// Skipped when the header is itself the compiled file (its standalone syntax
// check), where GCC warns about the pragma with no way to turn that off.
#if !defined(__INCLUDE_LEVEL__) || __INCLUDE_LEVEL__ > 0
#pragma once
#endif

#include <cstddef>
#include <cstdint>

// Calling convention of DSM_Entry and DS_Entry: __stdcall on 32-bit Windows,
// the platform default everywhere else (x64 has a single convention).
#if defined(_WIN32) && !defined(_WIN64)
#define TW_CALLINGSTYLE __stdcall
#else
#define TW_CALLINGSTYLE
#endif

// ---------------------------------------------------------------------------
// Basic types
// ---------------------------------------------------------------------------

using TW_INT8 = std::int8_t;
using TW_INT16 = std::int16_t;
using TW_INT32 = std::int32_t;
using TW_UINT8 = std::uint8_t;
using TW_UINT16 = std::uint16_t;
using TW_UINT32 = std::uint32_t;
using TW_BOOL = std::uint16_t;

// Handles and memory references travel as opaque pointers; on Windows a
// HANDLE is a void* too, so no conversion is needed at the boundary.
using TW_HANDLE = void*;
using TW_MEMREF = void*;

// Strings are zero-terminated; each is one or two bytes longer than its
// name says, for the terminator and to keep its size even under the packing.
using TW_STR32 = char[34];
using TW_STR64 = char[66];
using TW_STR128 = char[130];
using TW_STR255 = char[256];
using TW_STR1024 = char[1026];
// UTF-16 code units; wchar_t would be 4 bytes on Linux.
using TW_UNI512 = char16_t[512];

static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "only 32- and 64-bit targets");

// ---------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------

#pragma pack(push, 2)

// Signed fixed-point number: value = Whole + Frac / 65536.
struct TW_FIX32 {
    TW_INT16 Whole;
    TW_UINT16 Frac;
};

// Rectangle in ICAP_UNITS.
struct TW_FRAME {
    TW_FIX32 Left;
    TW_FIX32 Top;
    TW_FIX32 Right;
    TW_FIX32 Bottom;
};

struct TW_VERSION {
    TW_UINT16 MajorNum;
    TW_UINT16 MinorNum;
    TW_UINT16 Language;  // TWLG_
    TW_UINT16 Country;   // TWCY_
    TW_STR32 Info;
};

struct TW_IDENTITY {
    TW_UINT32 Id;  // assigned by the source manager
    TW_VERSION Version;
    TW_UINT16 ProtocolMajor;
    TW_UINT16 ProtocolMinor;
    TW_UINT32 SupportedGroups;  // DG_ bits
    TW_STR32 Manufacturer;
    TW_STR32 ProductFamily;
    TW_STR32 ProductName;
};

// Memory block handed across the boundary; Flags holds TWMF_ bits.
struct TW_MEMORY {
    TW_UINT32 Flags;
    TW_UINT32 Length;
    TW_MEMREF TheMem;
};

struct TW_ELEMENT8 {
    TW_UINT8 Index;
    TW_UINT8 Channel1;
    TW_UINT8 Channel2;
    TW_UINT8 Channel3;
};

struct TW_CIEPOINT {
    TW_FIX32 X;
    TW_FIX32 Y;
    TW_FIX32 Z;
};

struct TW_DECODEFUNCTION {
    TW_FIX32 StartIn;
    TW_FIX32 BreakIn;
    TW_FIX32 EndIn;
    TW_FIX32 StartOut;
    TW_FIX32 BreakOut;
    TW_FIX32 EndOut;
    TW_FIX32 Gamma;
    TW_FIX32 SampleCount;  // 0: use Gamma
};

struct TW_TRANSFORMSTAGE {
    TW_DECODEFUNCTION Decode[3];
    TW_FIX32 Mix[3][3];
};

// Containers. Values narrower than 32 bits sit in the low bytes of the
// TW_UINT32 fields; a TW_FIX32 occupies all four (Whole first).
struct TW_ONEVALUE {
    TW_UINT16 ItemType;  // TWTY_
    TW_UINT32 Item;
};

struct TW_RANGE {
    TW_UINT16 ItemType;
    TW_UINT32 MinValue;
    TW_UINT32 MaxValue;
    TW_UINT32 StepSize;
    TW_UINT32 DefaultValue;
    TW_UINT32 CurrentValue;
};

// The item list runs past the end of the record: allocate
// offsetof(TW_ENUMERATION, ItemList) + NumItems * item size.
struct TW_ENUMERATION {
    TW_UINT16 ItemType;
    TW_UINT32 NumItems;
    TW_UINT32 CurrentIndex;
    TW_UINT32 DefaultIndex;
    TW_UINT8 ItemList[1];
};

struct TW_ARRAY {
    TW_UINT16 ItemType;
    TW_UINT32 NumItems;
    TW_UINT8 ItemList[1];
};

// DAT_CAPABILITY. hContainer holds one of the containers above, ConType
// says which (TWON_).
struct TW_CAPABILITY {
    TW_UINT16 Cap;
    TW_UINT16 ConType;
    TW_HANDLE hContainer;
};

// Entry of CAP_SUPPORTEDCAPSEXT.
struct TW_CAPEXT {
    TW_UINT16 Cap;
    TW_UINT16 Properties;  // TWQC_ bits
};

// DAT_CIECOLOR
struct TW_CIECOLOR {
    TW_UINT16 ColorSpace;
    TW_INT16 LowEndian;
    TW_INT16 DeviceDependent;
    TW_INT32 VersionNumber;
    TW_TRANSFORMSTAGE StageABC;
    TW_TRANSFORMSTAGE StageLMN;
    TW_CIEPOINT WhitePoint;
    TW_CIEPOINT BlackPoint;
    TW_CIEPOINT WhitePaper;
    TW_CIEPOINT BlackInk;
    TW_FIX32 Samples[1];
};

// DAT_EVENT. pEvent is the application's MSG*.
struct TW_EVENT {
    TW_MEMREF pEvent;
    TW_UINT16 TWMessage;  // MSG_ sent back to the application, or MSG_NULL
};

// DAT_GRAYRESPONSE, DAT_RGBRESPONSE: one entry per level, length implied by
// the bit depth.
struct TW_GRAYRESPONSE {
    TW_ELEMENT8 Response[1];
};

struct TW_RGBRESPONSE {
    TW_ELEMENT8 Response[1];
};

// DAT_IMAGEINFO
struct TW_IMAGEINFO {
    TW_FIX32 XResolution;
    TW_FIX32 YResolution;
    TW_INT32 ImageWidth;   // -1 when not known yet
    TW_INT32 ImageLength;  // -1 when not known yet
    TW_INT16 SamplesPerPixel;
    TW_INT16 BitsPerSample[8];
    TW_INT16 BitsPerPixel;
    TW_BOOL Planar;
    TW_INT16 PixelType;     // TWPT_
    TW_UINT16 Compression;  // TWCP_
};

// DAT_IMAGELAYOUT
struct TW_IMAGELAYOUT {
    TW_FRAME Frame;
    TW_UINT32 DocumentNumber;
    TW_UINT32 PageNumber;
    TW_UINT32 FrameNumber;
};

// DAT_IMAGEMEMXFER: one strip or tile per call.
struct TW_IMAGEMEMXFER {
    TW_UINT16 Compression;
    TW_UINT32 BytesPerRow;
    TW_UINT32 Columns;
    TW_UINT32 Rows;
    TW_UINT32 XOffset;
    TW_UINT32 YOffset;
    TW_UINT32 BytesWritten;
    TW_MEMORY Memory;
};

// DAT_JPEGCOMPRESSION
struct TW_JPEGCOMPRESSION {
    TW_UINT16 ColorSpace;   // TWPT_
    TW_UINT32 SubSampling;  // two 16-bit factors
    TW_UINT16 NumComponents;
    TW_UINT16 RestartFrequency;
    TW_UINT16 QuantMap[4];
    TW_MEMORY QuantTable[4];
    TW_UINT16 HuffmanMap[4];
    TW_MEMORY HuffmanDC[2];
    TW_MEMORY HuffmanAC[2];
};

// DAT_PALETTE8
struct TW_PALETTE8 {
    TW_UINT16 NumColors;
    TW_UINT16 PaletteType;  // TWPA_
    TW_ELEMENT8 Colors[256];
};

// DAT_PENDINGXFERS. Peers without job control call the second field
// Reserved, peers with it EOJ: the union gives it both names.
struct TW_PENDINGXFERS {
    TW_UINT16 Count;
    union {
        TW_UINT32 EOJ;
        TW_UINT32 Reserved;
    };
};

// DAT_SETUPMEMXFER
struct TW_SETUPMEMXFER {
    TW_UINT32 MinBufSize;
    TW_UINT32 MaxBufSize;
    TW_UINT32 Preferred;
};

// DAT_SETUPFILEXFER
struct TW_SETUPFILEXFER {
    TW_STR255 FileName;
    TW_UINT16 Format;  // TWFF_
    TW_INT16 VRefNum;  // Macintosh only
};

// DAT_SETUPFILEXFER2: the name is referenced, its type in FileNameType
// (TWTY_STR1024 or TWTY_UNI512).
struct TW_SETUPFILEXFER2 {
    TW_MEMREF FileName;
    TW_UINT16 FileNameType;
    TW_UINT16 Format;
    TW_INT16 VRefNum;
    TW_UINT32 parID;
};

// DAT_STATUS
struct TW_STATUS {
    TW_UINT16 ConditionCode;  // TWCC_
    TW_UINT16 Reserved;
};

// DAT_USERINTERFACE. hParent is the application's window on Windows.
struct TW_USERINTERFACE {
    TW_BOOL ShowUI;
    TW_BOOL ModalUI;
    TW_HANDLE hParent;
};

// DAT_TWUNKIDENTITY
struct TW_TWUNKIDENTITY {
    TW_IDENTITY identity;
    TW_STR255 dsPath;
};

// DAT_CUSTOMDSDATA: an opaque snapshot of the source's settings.
struct TW_CUSTOMDSDATA {
    TW_UINT32 InfoLength;
    TW_HANDLE hData;
};

// One attribute of DAT_EXTIMAGEINFO.
struct TW_INFO {
    TW_UINT16 InfoID;  // TWEI_
    TW_UINT16 ItemType;
    TW_UINT16 NumItems;
    TW_UINT16 CondCode;
    TW_UINT32 Item;
};

// DAT_EXTIMAGEINFO; Info runs past the end like ItemList above.
struct TW_EXTIMAGEINFO {
    TW_UINT32 NumInfos;
    TW_INFO Info[1];
};

// DAT_AUDIOINFO
struct TW_AUDIOINFO {
    TW_STR255 Name;
    TW_UINT32 Reserved;
};

// DAT_DEVICEEVENT
struct TW_DEVICEEVENT {
    TW_UINT32 Event;  // TWDE_
    TW_STR255 DeviceName;
    TW_UINT32 BatteryMinutes;
    TW_INT16 BatteryPercentage;
    TW_INT32 PowerSupply;
    TW_FIX32 XResolution;
    TW_FIX32 YResolution;
    TW_UINT32 FlashUsed2;
    TW_UINT32 AutomaticCapture;
    TW_UINT32 TimeBeforeFirstCapture;
    TW_UINT32 TimeBetweenCaptures;
};

// DAT_FILESYSTEM
struct TW_FILESYSTEM {
    TW_STR255 InputName;
    TW_STR255 OutputName;
    TW_MEMREF Context;
    TW_INT32 Recursive;  // a C int
    TW_INT32 FileType;   // TWFY_
    TW_UINT32 Size;
    TW_STR32 CreateTimeDate;
    TW_STR32 ModifiedTimeDate;
    TW_UINT32 FreeSpace;
    TW_INT32 NewImageSize;
    TW_UINT32 NumberOfFiles;
    TW_UINT32 NumberOfSnippets;
    TW_UINT32 DeviceGroupMask;
    char Reserved[508];
};

// DAT_PASSTHRU
struct TW_PASSTHRU {
    TW_MEMREF pCommand;
    TW_UINT32 CommandBytes;
    TW_INT32 Direction;  // TWDR_
    TW_MEMREF pData;
    TW_UINT32 DataBytes;
    TW_UINT32 DataBytesXfered;
};

// DAT_SETUPAUDIOFILEXFER
struct TW_SETUPAUDIOFILEXFER {
    TW_STR255 FileName;
    TW_UINT16 Format;  // TWAF_
    TW_INT16 VRefNum;
};

#pragma pack(pop)

using pTW_FIX32 = TW_FIX32*;
using pTW_FRAME = TW_FRAME*;
using pTW_VERSION = TW_VERSION*;
using pTW_IDENTITY = TW_IDENTITY*;
using pTW_MEMORY = TW_MEMORY*;
using pTW_ELEMENT8 = TW_ELEMENT8*;
using pTW_CIEPOINT = TW_CIEPOINT*;
using pTW_DECODEFUNCTION = TW_DECODEFUNCTION*;
using pTW_TRANSFORMSTAGE = TW_TRANSFORMSTAGE*;
using pTW_ONEVALUE = TW_ONEVALUE*;
using pTW_RANGE = TW_RANGE*;
using pTW_ENUMERATION = TW_ENUMERATION*;
using pTW_ARRAY = TW_ARRAY*;
using pTW_CAPABILITY = TW_CAPABILITY*;
using pTW_CAPEXT = TW_CAPEXT*;
using pTW_CIECOLOR = TW_CIECOLOR*;
using pTW_EVENT = TW_EVENT*;
using pTW_GRAYRESPONSE = TW_GRAYRESPONSE*;
using pTW_RGBRESPONSE = TW_RGBRESPONSE*;
using pTW_IMAGEINFO = TW_IMAGEINFO*;
using pTW_IMAGELAYOUT = TW_IMAGELAYOUT*;
using pTW_IMAGEMEMXFER = TW_IMAGEMEMXFER*;
using pTW_JPEGCOMPRESSION = TW_JPEGCOMPRESSION*;
using pTW_PALETTE8 = TW_PALETTE8*;
using pTW_PENDINGXFERS = TW_PENDINGXFERS*;
using pTW_SETUPMEMXFER = TW_SETUPMEMXFER*;
using pTW_SETUPFILEXFER = TW_SETUPFILEXFER*;
using pTW_SETUPFILEXFER2 = TW_SETUPFILEXFER2*;
using pTW_STATUS = TW_STATUS*;
using pTW_USERINTERFACE = TW_USERINTERFACE*;
using pTW_TWUNKIDENTITY = TW_TWUNKIDENTITY*;
using pTW_CUSTOMDSDATA = TW_CUSTOMDSDATA*;
using pTW_INFO = TW_INFO*;
using pTW_EXTIMAGEINFO = TW_EXTIMAGEINFO*;
using pTW_AUDIOINFO = TW_AUDIOINFO*;
using pTW_DEVICEEVENT = TW_DEVICEEVENT*;
using pTW_FILESYSTEM = TW_FILESYSTEM*;
using pTW_PASSTHRU = TW_PASSTHRU*;
using pTW_SETUPAUDIOFILEXFER = TW_SETUPAUDIOFILEXFER*;

// Sizes and offsets seen by the other side of the boundary, for 32- and
// 64-bit pointers. A wrong member type or a lost pack directive shows up here
// instead of as corrupt data in a peer.

static_assert(sizeof(TW_FIX32) == 4);
static_assert(sizeof(TW_FRAME) == 16);
static_assert(sizeof(TW_VERSION) == 42);
static_assert(sizeof(TW_IDENTITY) == 156);
static_assert(sizeof(TW_MEMORY) == (sizeof(void*) == 4 ? 12 : 16));
static_assert(sizeof(TW_ELEMENT8) == 4);
static_assert(sizeof(TW_CIEPOINT) == 12);
static_assert(sizeof(TW_DECODEFUNCTION) == 32);
static_assert(sizeof(TW_TRANSFORMSTAGE) == 132);
static_assert(sizeof(TW_ONEVALUE) == 6);
static_assert(sizeof(TW_RANGE) == 22);
// 14 bytes of header + ItemList[1], rounded up to the 2-byte packing.
static_assert(sizeof(TW_ENUMERATION) == 16);
static_assert(sizeof(TW_ARRAY) == 8);
static_assert(sizeof(TW_CAPABILITY) == (sizeof(void*) == 4 ? 8 : 12));
static_assert(sizeof(TW_CAPEXT) == 4);
static_assert(sizeof(TW_CIECOLOR) == 326);
static_assert(sizeof(TW_EVENT) == (sizeof(void*) == 4 ? 6 : 10));
static_assert(sizeof(TW_GRAYRESPONSE) == 4);
static_assert(sizeof(TW_RGBRESPONSE) == 4);
static_assert(sizeof(TW_IMAGEINFO) == 42);
static_assert(sizeof(TW_IMAGELAYOUT) == 28);
static_assert(sizeof(TW_IMAGEMEMXFER) == (sizeof(void*) == 4 ? 38 : 42));
static_assert(sizeof(TW_JPEGCOMPRESSION) == (sizeof(void*) == 4 ? 122 : 154));
static_assert(sizeof(TW_PALETTE8) == 1028);
static_assert(sizeof(TW_PENDINGXFERS) == 6);
static_assert(sizeof(TW_SETUPMEMXFER) == 12);
static_assert(sizeof(TW_SETUPFILEXFER) == 260);
static_assert(sizeof(TW_SETUPFILEXFER2) == (sizeof(void*) == 4 ? 14 : 18));
static_assert(sizeof(TW_STATUS) == 4);
static_assert(sizeof(TW_USERINTERFACE) == (sizeof(void*) == 4 ? 8 : 12));
static_assert(sizeof(TW_TWUNKIDENTITY) == 412);
static_assert(sizeof(TW_CUSTOMDSDATA) == (sizeof(void*) == 4 ? 8 : 12));
static_assert(sizeof(TW_INFO) == 12);
static_assert(sizeof(TW_EXTIMAGEINFO) == 16);
static_assert(sizeof(TW_AUDIOINFO) == 260);
static_assert(sizeof(TW_DEVICEEVENT) == 294);
static_assert(sizeof(TW_FILESYSTEM) == (sizeof(void*) == 4 ? 1124 : 1128));
static_assert(sizeof(TW_PASSTHRU) == (sizeof(void*) == 4 ? 24 : 32));
static_assert(sizeof(TW_SETUPAUDIOFILEXFER) == 260);
static_assert(sizeof(TW_STR1024) == 1026 && sizeof(TW_UNI512) == 1024);

static_assert(offsetof(TW_IDENTITY, Version) == 4);
static_assert(offsetof(TW_IDENTITY, ProtocolMajor) == 46);
static_assert(offsetof(TW_IDENTITY, SupportedGroups) == 50);
static_assert(offsetof(TW_IDENTITY, Manufacturer) == 54);
static_assert(offsetof(TW_IDENTITY, ProductFamily) == 88);
static_assert(offsetof(TW_IDENTITY, ProductName) == 122);
static_assert(offsetof(TW_IMAGEINFO, ImageWidth) == 8);
static_assert(offsetof(TW_IMAGEINFO, SamplesPerPixel) == 16);
static_assert(offsetof(TW_IMAGEINFO, BitsPerSample) == 18);
static_assert(offsetof(TW_IMAGEINFO, BitsPerPixel) == 34);
static_assert(offsetof(TW_IMAGEINFO, Planar) == 36);
static_assert(offsetof(TW_IMAGEINFO, PixelType) == 38);
static_assert(offsetof(TW_IMAGEINFO, Compression) == 40);
static_assert(offsetof(TW_ONEVALUE, Item) == 2);
static_assert(offsetof(TW_RANGE, CurrentValue) == 18);
static_assert(offsetof(TW_ENUMERATION, ItemList) == 14);
static_assert(offsetof(TW_ARRAY, ItemList) == 6);
static_assert(offsetof(TW_CAPABILITY, hContainer) == 4);
static_assert(offsetof(TW_IMAGEMEMXFER, BytesPerRow) == 2);
static_assert(offsetof(TW_IMAGEMEMXFER, Memory) == 26);
static_assert(offsetof(TW_MEMORY, TheMem) == 8);
static_assert(offsetof(TW_PENDINGXFERS, EOJ) == 2);
static_assert(offsetof(TW_EVENT, TWMessage) == (sizeof(void*) == 4 ? 4 : 8));
static_assert(offsetof(TW_USERINTERFACE, hParent) == 4);
static_assert(offsetof(TW_CUSTOMDSDATA, hData) == 4);
static_assert(offsetof(TW_SETUPFILEXFER, Format) == 256);
static_assert(offsetof(TW_IMAGELAYOUT, DocumentNumber) == 16);
static_assert(offsetof(TW_DEVICEEVENT, PowerSupply) == 266);
static_assert(offsetof(TW_JPEGCOMPRESSION, QuantTable) == 18);

// ---------------------------------------------------------------------------
// Entry points
// ---------------------------------------------------------------------------

// DSM_Entry(pOrigin, pDest, DG, DAT, MSG, pData); pDest null addresses the
// source manager itself.
using DSMENTRYPROC = TW_UINT16(TW_CALLINGSTYLE*)(pTW_IDENTITY, pTW_IDENTITY, TW_UINT32, TW_UINT16,
                                                 TW_UINT16, TW_MEMREF);
// DS_Entry(pOrigin, DG, DAT, MSG, pData).
using DSENTRYPROC = TW_UINT16(TW_CALLINGSTYLE*)(pTW_IDENTITY, TW_UINT32, TW_UINT16, TW_UINT16,
                                                TW_MEMREF);

// ---------------------------------------------------------------------------
// Protocol version and generic constants
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 TWON_PROTOCOLMAJOR = 1;
inline constexpr TW_UINT16 TWON_PROTOCOLMINOR = 9;

// Container types (TW_CAPABILITY::ConType).
inline constexpr TW_UINT16 TWON_ARRAY = 3;
inline constexpr TW_UINT16 TWON_ENUMERATION = 4;
inline constexpr TW_UINT16 TWON_ONEVALUE = 5;
inline constexpr TW_UINT16 TWON_RANGE = 6;

// Resource ids the source manager looks up.
inline constexpr TW_UINT16 TWON_ICONID = 962;
inline constexpr TW_UINT16 TWON_DSMID = 461;
inline constexpr TW_UINT16 TWON_DSMCODEID = 63;

inline constexpr TW_UINT8 TWON_DONTCARE8 = 0xff;
inline constexpr TW_UINT16 TWON_DONTCARE16 = 0xffff;
inline constexpr TW_UINT32 TWON_DONTCARE32 = 0xffffffff;

// TW_MEMORY::Flags
inline constexpr TW_UINT32 TWMF_APPOWNS = 0x0001;
inline constexpr TW_UINT32 TWMF_DSMOWNS = 0x0002;
inline constexpr TW_UINT32 TWMF_DSOWNS = 0x0004;
inline constexpr TW_UINT32 TWMF_POINTER = 0x0008;
inline constexpr TW_UINT32 TWMF_HANDLE = 0x0010;

// TW_PALETTE8::PaletteType
inline constexpr TW_UINT16 TWPA_RGB = 0;
inline constexpr TW_UINT16 TWPA_GRAY = 1;
inline constexpr TW_UINT16 TWPA_CMY = 2;

// Item types of the containers.
inline constexpr TW_UINT16 TWTY_INT8 = 0x0000;
inline constexpr TW_UINT16 TWTY_INT16 = 0x0001;
inline constexpr TW_UINT16 TWTY_INT32 = 0x0002;
inline constexpr TW_UINT16 TWTY_UINT8 = 0x0003;
inline constexpr TW_UINT16 TWTY_UINT16 = 0x0004;
inline constexpr TW_UINT16 TWTY_UINT32 = 0x0005;
inline constexpr TW_UINT16 TWTY_BOOL = 0x0006;
inline constexpr TW_UINT16 TWTY_FIX32 = 0x0007;
inline constexpr TW_UINT16 TWTY_FRAME = 0x0008;
inline constexpr TW_UINT16 TWTY_STR32 = 0x0009;
inline constexpr TW_UINT16 TWTY_STR64 = 0x000a;
inline constexpr TW_UINT16 TWTY_STR128 = 0x000b;
inline constexpr TW_UINT16 TWTY_STR255 = 0x000c;
inline constexpr TW_UINT16 TWTY_STR1024 = 0x000d;
inline constexpr TW_UINT16 TWTY_UNI512 = 0x000e;
// Not used by 1.9 peers; reserved here so the value is never reused.
inline constexpr TW_UINT16 TWTY_HANDLE = 0x000f;

// ---------------------------------------------------------------------------
// Data groups, data argument types, messages
// ---------------------------------------------------------------------------

// Powers of two: TW_IDENTITY::SupportedGroups ORs them.
inline constexpr TW_UINT32 DG_CONTROL = 0x0001;
inline constexpr TW_UINT32 DG_IMAGE = 0x0002;
inline constexpr TW_UINT32 DG_AUDIO = 0x0004;

inline constexpr TW_UINT16 DAT_NULL = 0x0000;
inline constexpr TW_UINT16 DAT_CUSTOMBASE = 0x8000;
// DG_CONTROL
inline constexpr TW_UINT16 DAT_CAPABILITY = 0x0001;
inline constexpr TW_UINT16 DAT_EVENT = 0x0002;
inline constexpr TW_UINT16 DAT_IDENTITY = 0x0003;
inline constexpr TW_UINT16 DAT_PARENT = 0x0004;
inline constexpr TW_UINT16 DAT_PENDINGXFERS = 0x0005;
inline constexpr TW_UINT16 DAT_SETUPMEMXFER = 0x0006;
inline constexpr TW_UINT16 DAT_SETUPFILEXFER = 0x0007;
inline constexpr TW_UINT16 DAT_STATUS = 0x0008;
inline constexpr TW_UINT16 DAT_USERINTERFACE = 0x0009;
inline constexpr TW_UINT16 DAT_XFERGROUP = 0x000a;
inline constexpr TW_UINT16 DAT_TWUNKIDENTITY = 0x000b;
inline constexpr TW_UINT16 DAT_CUSTOMDSDATA = 0x000c;
inline constexpr TW_UINT16 DAT_DEVICEEVENT = 0x000d;
inline constexpr TW_UINT16 DAT_FILESYSTEM = 0x000e;
inline constexpr TW_UINT16 DAT_PASSTHRU = 0x000f;
// DG_IMAGE
inline constexpr TW_UINT16 DAT_IMAGEINFO = 0x0101;
inline constexpr TW_UINT16 DAT_IMAGELAYOUT = 0x0102;
inline constexpr TW_UINT16 DAT_IMAGEMEMXFER = 0x0103;
inline constexpr TW_UINT16 DAT_IMAGENATIVEXFER = 0x0104;
inline constexpr TW_UINT16 DAT_IMAGEFILEXFER = 0x0105;
inline constexpr TW_UINT16 DAT_CIECOLOR = 0x0106;
inline constexpr TW_UINT16 DAT_GRAYRESPONSE = 0x0107;
inline constexpr TW_UINT16 DAT_RGBRESPONSE = 0x0108;
inline constexpr TW_UINT16 DAT_JPEGCOMPRESSION = 0x0109;
inline constexpr TW_UINT16 DAT_PALETTE8 = 0x010a;
inline constexpr TW_UINT16 DAT_EXTIMAGEINFO = 0x010b;
// DG_AUDIO
inline constexpr TW_UINT16 DAT_AUDIOFILEXFER = 0x0201;
inline constexpr TW_UINT16 DAT_AUDIOINFO = 0x0202;
inline constexpr TW_UINT16 DAT_AUDIONATIVEXFER = 0x0203;
// DG_CONTROL, file transfer with long or Unicode names
inline constexpr TW_UINT16 DAT_SETUPFILEXFER2 = 0x0301;

inline constexpr TW_UINT16 MSG_NULL = 0x0000;
inline constexpr TW_UINT16 MSG_CUSTOMBASE = 0x8000;
// Generic
inline constexpr TW_UINT16 MSG_GET = 0x0001;
inline constexpr TW_UINT16 MSG_GETCURRENT = 0x0002;
inline constexpr TW_UINT16 MSG_GETDEFAULT = 0x0003;
inline constexpr TW_UINT16 MSG_GETFIRST = 0x0004;
inline constexpr TW_UINT16 MSG_GETNEXT = 0x0005;
inline constexpr TW_UINT16 MSG_SET = 0x0006;
inline constexpr TW_UINT16 MSG_RESET = 0x0007;
inline constexpr TW_UINT16 MSG_QUERYSUPPORT = 0x0008;
// Source to application, in TW_EVENT::TWMessage or through the manager
inline constexpr TW_UINT16 MSG_XFERREADY = 0x0101;
inline constexpr TW_UINT16 MSG_CLOSEDSREQ = 0x0102;
inline constexpr TW_UINT16 MSG_CLOSEDSOK = 0x0103;
inline constexpr TW_UINT16 MSG_DEVICEEVENT = 0x0104;
// DAT_STATUS
inline constexpr TW_UINT16 MSG_CHECKSTATUS = 0x0201;
// DAT_PARENT
inline constexpr TW_UINT16 MSG_OPENDSM = 0x0301;
inline constexpr TW_UINT16 MSG_CLOSEDSM = 0x0302;
// DAT_IDENTITY
inline constexpr TW_UINT16 MSG_OPENDS = 0x0401;
inline constexpr TW_UINT16 MSG_CLOSEDS = 0x0402;
inline constexpr TW_UINT16 MSG_USERSELECT = 0x0403;
// DAT_USERINTERFACE
inline constexpr TW_UINT16 MSG_DISABLEDS = 0x0501;
inline constexpr TW_UINT16 MSG_ENABLEDS = 0x0502;
inline constexpr TW_UINT16 MSG_ENABLEDSUIONLY = 0x0503;
// DAT_EVENT
inline constexpr TW_UINT16 MSG_PROCESSEVENT = 0x0601;
// DAT_PENDINGXFERS
inline constexpr TW_UINT16 MSG_ENDXFER = 0x0701;
inline constexpr TW_UINT16 MSG_STOPFEEDER = 0x0702;
// DAT_FILESYSTEM
inline constexpr TW_UINT16 MSG_CHANGEDIRECTORY = 0x0801;
inline constexpr TW_UINT16 MSG_CREATEDIRECTORY = 0x0802;
inline constexpr TW_UINT16 MSG_DELETE = 0x0803;
inline constexpr TW_UINT16 MSG_FORMATMEDIA = 0x0804;
inline constexpr TW_UINT16 MSG_GETCLOSE = 0x0805;
inline constexpr TW_UINT16 MSG_GETFIRSTFILE = 0x0806;
inline constexpr TW_UINT16 MSG_GETINFO = 0x0807;
inline constexpr TW_UINT16 MSG_GETNEXTFILE = 0x0808;
inline constexpr TW_UINT16 MSG_RENAME = 0x0809;
inline constexpr TW_UINT16 MSG_COPY = 0x080a;
inline constexpr TW_UINT16 MSG_AUTOMATICCAPTUREDIRECTORY = 0x080b;
// DAT_PASSTHRU
inline constexpr TW_UINT16 MSG_PASSTHRU = 0x0901;

// ---------------------------------------------------------------------------
// Return codes and condition codes
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 TWRC_CUSTOMBASE = 0x8000;
inline constexpr TW_UINT16 TWRC_SUCCESS = 0;
inline constexpr TW_UINT16 TWRC_FAILURE = 1;
inline constexpr TW_UINT16 TWRC_CHECKSTATUS = 2;
inline constexpr TW_UINT16 TWRC_CANCEL = 3;
inline constexpr TW_UINT16 TWRC_DSEVENT = 4;
inline constexpr TW_UINT16 TWRC_NOTDSEVENT = 5;
inline constexpr TW_UINT16 TWRC_XFERDONE = 6;
inline constexpr TW_UINT16 TWRC_ENDOFLIST = 7;
inline constexpr TW_UINT16 TWRC_INFONOTSUPPORTED = 8;
inline constexpr TW_UINT16 TWRC_DATANOTAVAILABLE = 9;

inline constexpr TW_UINT16 TWCC_CUSTOMBASE = 0x8000;
inline constexpr TW_UINT16 TWCC_SUCCESS = 0;
inline constexpr TW_UINT16 TWCC_BUMMER = 1;
inline constexpr TW_UINT16 TWCC_LOWMEMORY = 2;
inline constexpr TW_UINT16 TWCC_NODS = 3;
inline constexpr TW_UINT16 TWCC_MAXCONNECTIONS = 4;
inline constexpr TW_UINT16 TWCC_OPERATIONERROR = 5;
inline constexpr TW_UINT16 TWCC_BADCAP = 6;
inline constexpr TW_UINT16 TWCC_BADPROTOCOL = 9;
inline constexpr TW_UINT16 TWCC_BADVALUE = 10;
inline constexpr TW_UINT16 TWCC_SEQERROR = 11;
inline constexpr TW_UINT16 TWCC_BADDEST = 12;
inline constexpr TW_UINT16 TWCC_CAPUNSUPPORTED = 13;
inline constexpr TW_UINT16 TWCC_CAPBADOPERATION = 14;
inline constexpr TW_UINT16 TWCC_CAPSEQERROR = 15;
inline constexpr TW_UINT16 TWCC_DENIED = 16;
inline constexpr TW_UINT16 TWCC_FILEEXISTS = 17;
inline constexpr TW_UINT16 TWCC_FILENOTFOUND = 18;
inline constexpr TW_UINT16 TWCC_NOTEMPTY = 19;
inline constexpr TW_UINT16 TWCC_PAPERJAM = 20;
inline constexpr TW_UINT16 TWCC_PAPERDOUBLEFEED = 21;
inline constexpr TW_UINT16 TWCC_FILEWRITEERROR = 22;
inline constexpr TW_UINT16 TWCC_CHECKDEVICEONLINE = 23;

// Answer bits of MSG_QUERYSUPPORT, returned as a TWTY_INT32 one-value.
inline constexpr TW_INT32 TWQC_GET = 0x0001;
inline constexpr TW_INT32 TWQC_SET = 0x0002;
inline constexpr TW_INT32 TWQC_GETDEFAULT = 0x0004;
inline constexpr TW_INT32 TWQC_GETCURRENT = 0x0008;
inline constexpr TW_INT32 TWQC_RESET = 0x0010;

// ---------------------------------------------------------------------------
// Capabilities
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 CAP_CUSTOMBASE = 0x8000;

// Required of every source.
inline constexpr TW_UINT16 CAP_XFERCOUNT = 0x0001;

// Required of every image source.
inline constexpr TW_UINT16 ICAP_COMPRESSION = 0x0100;
inline constexpr TW_UINT16 ICAP_PIXELTYPE = 0x0101;
inline constexpr TW_UINT16 ICAP_UNITS = 0x0102;
inline constexpr TW_UINT16 ICAP_XFERMECH = 0x0103;

inline constexpr TW_UINT16 CAP_AUTHOR = 0x1000;
inline constexpr TW_UINT16 CAP_CAPTION = 0x1001;
inline constexpr TW_UINT16 CAP_FEEDERENABLED = 0x1002;
inline constexpr TW_UINT16 CAP_FEEDERLOADED = 0x1003;
inline constexpr TW_UINT16 CAP_TIMEDATE = 0x1004;
inline constexpr TW_UINT16 CAP_SUPPORTEDCAPS = 0x1005;
inline constexpr TW_UINT16 CAP_EXTENDEDCAPS = 0x1006;
inline constexpr TW_UINT16 CAP_AUTOFEED = 0x1007;
inline constexpr TW_UINT16 CAP_CLEARPAGE = 0x1008;
inline constexpr TW_UINT16 CAP_FEEDPAGE = 0x1009;
inline constexpr TW_UINT16 CAP_REWINDPAGE = 0x100a;
inline constexpr TW_UINT16 CAP_INDICATORS = 0x100b;
inline constexpr TW_UINT16 CAP_SUPPORTEDCAPSEXT = 0x100c;
inline constexpr TW_UINT16 CAP_PAPERDETECTABLE = 0x100d;
inline constexpr TW_UINT16 CAP_UICONTROLLABLE = 0x100e;
inline constexpr TW_UINT16 CAP_DEVICEONLINE = 0x100f;
inline constexpr TW_UINT16 CAP_AUTOSCAN = 0x1010;
inline constexpr TW_UINT16 CAP_THUMBNAILSENABLED = 0x1011;
inline constexpr TW_UINT16 CAP_DUPLEX = 0x1012;
inline constexpr TW_UINT16 CAP_DUPLEXENABLED = 0x1013;
inline constexpr TW_UINT16 CAP_ENABLEDSUIONLY = 0x1014;
inline constexpr TW_UINT16 CAP_CUSTOMDSDATA = 0x1015;
inline constexpr TW_UINT16 CAP_ENDORSER = 0x1016;
inline constexpr TW_UINT16 CAP_JOBCONTROL = 0x1017;
inline constexpr TW_UINT16 CAP_ALARMS = 0x1018;
inline constexpr TW_UINT16 CAP_ALARMVOLUME = 0x1019;
inline constexpr TW_UINT16 CAP_AUTOMATICCAPTURE = 0x101a;
inline constexpr TW_UINT16 CAP_TIMEBEFOREFIRSTCAPTURE = 0x101b;
inline constexpr TW_UINT16 CAP_TIMEBETWEENCAPTURES = 0x101c;
inline constexpr TW_UINT16 CAP_CLEARBUFFERS = 0x101d;
inline constexpr TW_UINT16 CAP_MAXBATCHBUFFERS = 0x101e;
inline constexpr TW_UINT16 CAP_DEVICETIMEDATE = 0x101f;
inline constexpr TW_UINT16 CAP_POWERSUPPLY = 0x1020;
inline constexpr TW_UINT16 CAP_CAMERAPREVIEWUI = 0x1021;
inline constexpr TW_UINT16 CAP_DEVICEEVENT = 0x1022;
// 0x1023 and 0x1025 were withdrawn before 1.9 was published.
inline constexpr TW_UINT16 CAP_SERIALNUMBER = 0x1024;
inline constexpr TW_UINT16 CAP_PRINTER = 0x1026;
inline constexpr TW_UINT16 CAP_PRINTERENABLED = 0x1027;
inline constexpr TW_UINT16 CAP_PRINTERINDEX = 0x1028;
inline constexpr TW_UINT16 CAP_PRINTERMODE = 0x1029;
inline constexpr TW_UINT16 CAP_PRINTERSTRING = 0x102a;
inline constexpr TW_UINT16 CAP_PRINTERSUFFIX = 0x102b;
inline constexpr TW_UINT16 CAP_LANGUAGE = 0x102c;
inline constexpr TW_UINT16 CAP_FEEDERALIGNMENT = 0x102d;
inline constexpr TW_UINT16 CAP_FEEDERORDER = 0x102e;
// 0x102f and 0x1031 were withdrawn as well.
inline constexpr TW_UINT16 CAP_REACQUIREALLOWED = 0x1030;
inline constexpr TW_UINT16 CAP_BATTERYMINUTES = 0x1032;
inline constexpr TW_UINT16 CAP_BATTERYPERCENTAGE = 0x1033;

inline constexpr TW_UINT16 ICAP_AUTOBRIGHT = 0x1100;
inline constexpr TW_UINT16 ICAP_BRIGHTNESS = 0x1101;
inline constexpr TW_UINT16 ICAP_CONTRAST = 0x1103;
inline constexpr TW_UINT16 ICAP_CUSTHALFTONE = 0x1104;
inline constexpr TW_UINT16 ICAP_EXPOSURETIME = 0x1105;
inline constexpr TW_UINT16 ICAP_FILTER = 0x1106;
inline constexpr TW_UINT16 ICAP_FLASHUSED = 0x1107;
inline constexpr TW_UINT16 ICAP_GAMMA = 0x1108;
inline constexpr TW_UINT16 ICAP_HALFTONES = 0x1109;
inline constexpr TW_UINT16 ICAP_HIGHLIGHT = 0x110a;
inline constexpr TW_UINT16 ICAP_IMAGEFILEFORMAT = 0x110c;
inline constexpr TW_UINT16 ICAP_LAMPSTATE = 0x110d;
inline constexpr TW_UINT16 ICAP_LIGHTSOURCE = 0x110e;
inline constexpr TW_UINT16 ICAP_ORIENTATION = 0x1110;
inline constexpr TW_UINT16 ICAP_PHYSICALWIDTH = 0x1111;
inline constexpr TW_UINT16 ICAP_PHYSICALHEIGHT = 0x1112;
inline constexpr TW_UINT16 ICAP_SHADOW = 0x1113;
inline constexpr TW_UINT16 ICAP_FRAMES = 0x1114;
inline constexpr TW_UINT16 ICAP_XNATIVERESOLUTION = 0x1116;
inline constexpr TW_UINT16 ICAP_YNATIVERESOLUTION = 0x1117;
inline constexpr TW_UINT16 ICAP_XRESOLUTION = 0x1118;
inline constexpr TW_UINT16 ICAP_YRESOLUTION = 0x1119;
inline constexpr TW_UINT16 ICAP_MAXFRAMES = 0x111a;
inline constexpr TW_UINT16 ICAP_TILES = 0x111b;
inline constexpr TW_UINT16 ICAP_BITORDER = 0x111c;
inline constexpr TW_UINT16 ICAP_CCITTKFACTOR = 0x111d;
inline constexpr TW_UINT16 ICAP_LIGHTPATH = 0x111e;
inline constexpr TW_UINT16 ICAP_PIXELFLAVOR = 0x111f;
inline constexpr TW_UINT16 ICAP_PLANARCHUNKY = 0x1120;
inline constexpr TW_UINT16 ICAP_ROTATION = 0x1121;
inline constexpr TW_UINT16 ICAP_SUPPORTEDSIZES = 0x1122;
inline constexpr TW_UINT16 ICAP_THRESHOLD = 0x1123;
inline constexpr TW_UINT16 ICAP_XSCALING = 0x1124;
inline constexpr TW_UINT16 ICAP_YSCALING = 0x1125;
inline constexpr TW_UINT16 ICAP_BITORDERCODES = 0x1126;
inline constexpr TW_UINT16 ICAP_PIXELFLAVORCODES = 0x1127;
inline constexpr TW_UINT16 ICAP_JPEGPIXELTYPE = 0x1128;
inline constexpr TW_UINT16 ICAP_TIMEFILL = 0x112a;
inline constexpr TW_UINT16 ICAP_BITDEPTH = 0x112b;
inline constexpr TW_UINT16 ICAP_BITDEPTHREDUCTION = 0x112c;
inline constexpr TW_UINT16 ICAP_UNDEFINEDIMAGESIZE = 0x112d;
inline constexpr TW_UINT16 ICAP_IMAGEDATASET = 0x112e;
inline constexpr TW_UINT16 ICAP_EXTIMAGEINFO = 0x112f;
inline constexpr TW_UINT16 ICAP_MINIMUMHEIGHT = 0x1130;
inline constexpr TW_UINT16 ICAP_MINIMUMWIDTH = 0x1131;
// 0x1132 to 0x1135 were withdrawn before 1.9.
inline constexpr TW_UINT16 ICAP_FLIPROTATION = 0x1136;
inline constexpr TW_UINT16 ICAP_BARCODEDETECTIONENABLED = 0x1137;
inline constexpr TW_UINT16 ICAP_SUPPORTEDBARCODETYPES = 0x1138;
inline constexpr TW_UINT16 ICAP_BARCODEMAXSEARCHPRIORITIES = 0x1139;
inline constexpr TW_UINT16 ICAP_BARCODESEARCHPRIORITIES = 0x113a;
inline constexpr TW_UINT16 ICAP_BARCODESEARCHMODE = 0x113b;
inline constexpr TW_UINT16 ICAP_BARCODEMAXRETRIES = 0x113c;
inline constexpr TW_UINT16 ICAP_BARCODETIMEOUT = 0x113d;
inline constexpr TW_UINT16 ICAP_ZOOMFACTOR = 0x113e;
inline constexpr TW_UINT16 ICAP_PATCHCODEDETECTIONENABLED = 0x113f;
inline constexpr TW_UINT16 ICAP_SUPPORTEDPATCHCODETYPES = 0x1140;
inline constexpr TW_UINT16 ICAP_PATCHCODEMAXSEARCHPRIORITIES = 0x1141;
inline constexpr TW_UINT16 ICAP_PATCHCODESEARCHPRIORITIES = 0x1142;
inline constexpr TW_UINT16 ICAP_PATCHCODESEARCHMODE = 0x1143;
inline constexpr TW_UINT16 ICAP_PATCHCODEMAXRETRIES = 0x1144;
inline constexpr TW_UINT16 ICAP_PATCHCODETIMEOUT = 0x1145;
inline constexpr TW_UINT16 ICAP_FLASHUSED2 = 0x1146;
inline constexpr TW_UINT16 ICAP_IMAGEFILTER = 0x1147;
inline constexpr TW_UINT16 ICAP_NOISEFILTER = 0x1148;
inline constexpr TW_UINT16 ICAP_OVERSCAN = 0x1149;
inline constexpr TW_UINT16 ICAP_AUTOMATICBORDERDETECTION = 0x1150;
inline constexpr TW_UINT16 ICAP_AUTOMATICDESKEW = 0x1151;
inline constexpr TW_UINT16 ICAP_AUTOMATICROTATE = 0x1152;
inline constexpr TW_UINT16 ICAP_JPEGQUALITY = 0x1153;

inline constexpr TW_UINT16 ACAP_AUDIOFILEFORMAT = 0x1201;
inline constexpr TW_UINT16 ACAP_XFERMECH = 0x1202;

// ---------------------------------------------------------------------------
// Capability values
// ---------------------------------------------------------------------------

// ICAP_BITORDER
inline constexpr TW_UINT16 TWBO_LSBFIRST = 0;
inline constexpr TW_UINT16 TWBO_MSBFIRST = 1;

// ICAP_COMPRESSION
inline constexpr TW_UINT16 TWCP_NONE = 0;
inline constexpr TW_UINT16 TWCP_PACKBITS = 1;
inline constexpr TW_UINT16 TWCP_GROUP31D = 2;
inline constexpr TW_UINT16 TWCP_GROUP31DEOL = 3;
inline constexpr TW_UINT16 TWCP_GROUP32D = 4;
inline constexpr TW_UINT16 TWCP_GROUP4 = 5;
inline constexpr TW_UINT16 TWCP_JPEG = 6;
inline constexpr TW_UINT16 TWCP_LZW = 7;
inline constexpr TW_UINT16 TWCP_JBIG = 8;
inline constexpr TW_UINT16 TWCP_PNG = 9;
inline constexpr TW_UINT16 TWCP_RLE4 = 10;
inline constexpr TW_UINT16 TWCP_RLE8 = 11;
inline constexpr TW_UINT16 TWCP_BITFIELDS = 12;

// ICAP_IMAGEFILEFORMAT
inline constexpr TW_UINT16 TWFF_TIFF = 0;
inline constexpr TW_UINT16 TWFF_PICT = 1;
inline constexpr TW_UINT16 TWFF_BMP = 2;
inline constexpr TW_UINT16 TWFF_XBM = 3;
inline constexpr TW_UINT16 TWFF_JFIF = 4;
inline constexpr TW_UINT16 TWFF_FPX = 5;
inline constexpr TW_UINT16 TWFF_TIFFMULTI = 6;
inline constexpr TW_UINT16 TWFF_PNG = 7;
inline constexpr TW_UINT16 TWFF_SPIFF = 8;
inline constexpr TW_UINT16 TWFF_EXIF = 9;

// ICAP_FILTER
inline constexpr TW_UINT16 TWFT_RED = 0;
inline constexpr TW_UINT16 TWFT_GREEN = 1;
inline constexpr TW_UINT16 TWFT_BLUE = 2;
inline constexpr TW_UINT16 TWFT_NONE = 3;
inline constexpr TW_UINT16 TWFT_WHITE = 4;
inline constexpr TW_UINT16 TWFT_CYAN = 5;
inline constexpr TW_UINT16 TWFT_MAGENTA = 6;
inline constexpr TW_UINT16 TWFT_YELLOW = 7;
inline constexpr TW_UINT16 TWFT_BLACK = 8;

// ICAP_LIGHTPATH
inline constexpr TW_UINT16 TWLP_REFLECTIVE = 0;
inline constexpr TW_UINT16 TWLP_TRANSMISSIVE = 1;

// ICAP_LIGHTSOURCE
inline constexpr TW_UINT16 TWLS_RED = 0;
inline constexpr TW_UINT16 TWLS_GREEN = 1;
inline constexpr TW_UINT16 TWLS_BLUE = 2;
inline constexpr TW_UINT16 TWLS_NONE = 3;
inline constexpr TW_UINT16 TWLS_WHITE = 4;
inline constexpr TW_UINT16 TWLS_UV = 5;
inline constexpr TW_UINT16 TWLS_IR = 6;

// ICAP_ORIENTATION
inline constexpr TW_UINT16 TWOR_ROT0 = 0;
inline constexpr TW_UINT16 TWOR_ROT90 = 1;
inline constexpr TW_UINT16 TWOR_ROT180 = 2;
inline constexpr TW_UINT16 TWOR_ROT270 = 3;
inline constexpr TW_UINT16 TWOR_PORTRAIT = TWOR_ROT0;
inline constexpr TW_UINT16 TWOR_LANDSCAPE = TWOR_ROT270;

// ICAP_PLANARCHUNKY
inline constexpr TW_UINT16 TWPC_CHUNKY = 0;
inline constexpr TW_UINT16 TWPC_PLANAR = 1;

// ICAP_PIXELFLAVOR: which end of the range is black.
inline constexpr TW_UINT16 TWPF_CHOCOLATE = 0;  // 0 is darkest
inline constexpr TW_UINT16 TWPF_VANILLA = 1;    // 0 is lightest

// ICAP_PIXELTYPE
inline constexpr TW_UINT16 TWPT_BW = 0;
inline constexpr TW_UINT16 TWPT_GRAY = 1;
inline constexpr TW_UINT16 TWPT_RGB = 2;
inline constexpr TW_UINT16 TWPT_PALETTE = 3;
inline constexpr TW_UINT16 TWPT_CMY = 4;
inline constexpr TW_UINT16 TWPT_CMYK = 5;
inline constexpr TW_UINT16 TWPT_YUV = 6;
inline constexpr TW_UINT16 TWPT_YUVK = 7;
inline constexpr TW_UINT16 TWPT_CIEXYZ = 8;

// ICAP_SUPPORTEDSIZES. Some sizes have two names with one value.
inline constexpr TW_UINT16 TWSS_NONE = 0;
inline constexpr TW_UINT16 TWSS_A4LETTER = 1;
inline constexpr TW_UINT16 TWSS_B5LETTER = 2;
inline constexpr TW_UINT16 TWSS_USLETTER = 3;
inline constexpr TW_UINT16 TWSS_USLEGAL = 4;
inline constexpr TW_UINT16 TWSS_A5 = 5;
inline constexpr TW_UINT16 TWSS_B4 = 6;
inline constexpr TW_UINT16 TWSS_B6 = 7;
// 8 is unassigned.
inline constexpr TW_UINT16 TWSS_USLEDGER = 9;
inline constexpr TW_UINT16 TWSS_USEXECUTIVE = 10;
inline constexpr TW_UINT16 TWSS_A3 = 11;
inline constexpr TW_UINT16 TWSS_B3 = 12;
inline constexpr TW_UINT16 TWSS_A6 = 13;
inline constexpr TW_UINT16 TWSS_C4 = 14;
inline constexpr TW_UINT16 TWSS_C5 = 15;
inline constexpr TW_UINT16 TWSS_C6 = 16;
inline constexpr TW_UINT16 TWSS_4A0 = 17;
inline constexpr TW_UINT16 TWSS_2A0 = 18;
inline constexpr TW_UINT16 TWSS_A0 = 19;
inline constexpr TW_UINT16 TWSS_A1 = 20;
inline constexpr TW_UINT16 TWSS_A2 = 21;
inline constexpr TW_UINT16 TWSS_A4 = TWSS_A4LETTER;
inline constexpr TW_UINT16 TWSS_A7 = 22;
inline constexpr TW_UINT16 TWSS_A8 = 23;
inline constexpr TW_UINT16 TWSS_A9 = 24;
inline constexpr TW_UINT16 TWSS_A10 = 25;
inline constexpr TW_UINT16 TWSS_ISOB0 = 26;
inline constexpr TW_UINT16 TWSS_ISOB1 = 27;
inline constexpr TW_UINT16 TWSS_ISOB2 = 28;
inline constexpr TW_UINT16 TWSS_ISOB3 = TWSS_B3;
inline constexpr TW_UINT16 TWSS_ISOB4 = TWSS_B4;
inline constexpr TW_UINT16 TWSS_ISOB5 = 29;
inline constexpr TW_UINT16 TWSS_ISOB6 = TWSS_B6;
inline constexpr TW_UINT16 TWSS_ISOB7 = 30;
inline constexpr TW_UINT16 TWSS_ISOB8 = 31;
inline constexpr TW_UINT16 TWSS_ISOB9 = 32;
inline constexpr TW_UINT16 TWSS_ISOB10 = 33;
inline constexpr TW_UINT16 TWSS_JISB0 = 34;
inline constexpr TW_UINT16 TWSS_JISB1 = 35;
inline constexpr TW_UINT16 TWSS_JISB2 = 36;
inline constexpr TW_UINT16 TWSS_JISB3 = 37;
inline constexpr TW_UINT16 TWSS_JISB4 = 38;
inline constexpr TW_UINT16 TWSS_JISB5 = TWSS_B5LETTER;
inline constexpr TW_UINT16 TWSS_JISB6 = 39;
inline constexpr TW_UINT16 TWSS_JISB7 = 40;
inline constexpr TW_UINT16 TWSS_JISB8 = 41;
inline constexpr TW_UINT16 TWSS_JISB9 = 42;
inline constexpr TW_UINT16 TWSS_JISB10 = 43;
inline constexpr TW_UINT16 TWSS_C0 = 44;
inline constexpr TW_UINT16 TWSS_C1 = 45;
inline constexpr TW_UINT16 TWSS_C2 = 46;
inline constexpr TW_UINT16 TWSS_C3 = 47;
inline constexpr TW_UINT16 TWSS_C7 = 48;
inline constexpr TW_UINT16 TWSS_C8 = 49;
inline constexpr TW_UINT16 TWSS_C9 = 50;
inline constexpr TW_UINT16 TWSS_C10 = 51;
inline constexpr TW_UINT16 TWSS_USSTATEMENT = 52;
inline constexpr TW_UINT16 TWSS_BUSINESSCARD = 53;

// ICAP_XFERMECH
inline constexpr TW_UINT16 TWSX_NATIVE = 0;
inline constexpr TW_UINT16 TWSX_FILE = 1;
inline constexpr TW_UINT16 TWSX_MEMORY = 2;
inline constexpr TW_UINT16 TWSX_FILE2 = 3;

// ICAP_UNITS
inline constexpr TW_UINT16 TWUN_INCHES = 0;
inline constexpr TW_UINT16 TWUN_CENTIMETERS = 1;
inline constexpr TW_UINT16 TWUN_PICAS = 2;
inline constexpr TW_UINT16 TWUN_POINTS = 3;
inline constexpr TW_UINT16 TWUN_TWIPS = 4;
inline constexpr TW_UINT16 TWUN_PIXELS = 5;

// ICAP_BITDEPTHREDUCTION
inline constexpr TW_UINT16 TWBR_THRESHOLD = 0;
inline constexpr TW_UINT16 TWBR_HALFTONE = 1;
inline constexpr TW_UINT16 TWBR_CUSTHALFTONE = 2;
inline constexpr TW_UINT16 TWBR_DIFFUSION = 3;

// CAP_DUPLEX
inline constexpr TW_UINT16 TWDX_NONE = 0;
inline constexpr TW_UINT16 TWDX_1PASSDUPLEX = 1;
inline constexpr TW_UINT16 TWDX_2PASSDUPLEX = 2;

// TWEI_BARCODETYPE, ICAP_SUPPORTEDBARCODETYPES
inline constexpr TW_UINT16 TWBT_3OF9 = 0;
inline constexpr TW_UINT16 TWBT_2OF5INTERLEAVED = 1;
inline constexpr TW_UINT16 TWBT_2OF5NONINTERLEAVED = 2;
inline constexpr TW_UINT16 TWBT_CODE93 = 3;
inline constexpr TW_UINT16 TWBT_CODE128 = 4;
inline constexpr TW_UINT16 TWBT_UCC128 = 5;
inline constexpr TW_UINT16 TWBT_CODABAR = 6;
inline constexpr TW_UINT16 TWBT_UPCA = 7;
inline constexpr TW_UINT16 TWBT_UPCE = 8;
inline constexpr TW_UINT16 TWBT_EAN8 = 9;
inline constexpr TW_UINT16 TWBT_EAN13 = 10;
inline constexpr TW_UINT16 TWBT_POSTNET = 11;
inline constexpr TW_UINT16 TWBT_PDF417 = 12;
inline constexpr TW_UINT16 TWBT_2OF5INDUSTRIAL = 13;
inline constexpr TW_UINT16 TWBT_2OF5MATRIX = 14;
inline constexpr TW_UINT16 TWBT_2OF5DATALOGIC = 15;
inline constexpr TW_UINT16 TWBT_2OF5IATA = 16;
inline constexpr TW_UINT16 TWBT_3OF9FULLASCII = 17;
inline constexpr TW_UINT16 TWBT_CODABARWITHSTARTSTOP = 18;
inline constexpr TW_UINT16 TWBT_MAXICODE = 19;

// TWEI_DESKEWSTATUS
inline constexpr TW_UINT16 TWDSK_SUCCESS = 0;
inline constexpr TW_UINT16 TWDSK_REPORTONLY = 1;
inline constexpr TW_UINT16 TWDSK_FAIL = 2;
inline constexpr TW_UINT16 TWDSK_DISABLED = 3;

// TWEI_PATCHCODE, ICAP_SUPPORTEDPATCHCODETYPES
inline constexpr TW_UINT16 TWPCH_PATCH1 = 0;
inline constexpr TW_UINT16 TWPCH_PATCH2 = 1;
inline constexpr TW_UINT16 TWPCH_PATCH3 = 2;
inline constexpr TW_UINT16 TWPCH_PATCH4 = 3;
inline constexpr TW_UINT16 TWPCH_PATCH6 = 4;
inline constexpr TW_UINT16 TWPCH_PATCHT = 5;

// CAP_JOBCONTROL
inline constexpr TW_UINT16 TWJC_NONE = 0;
inline constexpr TW_UINT16 TWJC_JSIC = 1;
inline constexpr TW_UINT16 TWJC_JSIS = 2;
inline constexpr TW_UINT16 TWJC_JSXC = 3;
inline constexpr TW_UINT16 TWJC_JSXS = 4;

// TWEI_BARCODEROTATION
inline constexpr TW_UINT16 TWBCOR_ROT0 = 0;
inline constexpr TW_UINT16 TWBCOR_ROT90 = 1;
inline constexpr TW_UINT16 TWBCOR_ROT180 = 2;
inline constexpr TW_UINT16 TWBCOR_ROT270 = 3;
inline constexpr TW_UINT16 TWBCOR_ROTX = 4;

// ACAP_AUDIOFILEFORMAT (2 is unassigned)
inline constexpr TW_UINT16 TWAF_WAV = 0;
inline constexpr TW_UINT16 TWAF_AIFF = 1;
inline constexpr TW_UINT16 TWAF_AU = 3;
inline constexpr TW_UINT16 TWAF_SND = 4;

// CAP_ALARMS
inline constexpr TW_UINT16 TWAL_ALARM = 0;
inline constexpr TW_UINT16 TWAL_FEEDERERROR = 1;
inline constexpr TW_UINT16 TWAL_FEEDERWARNING = 2;
inline constexpr TW_UINT16 TWAL_BARCODE = 3;
inline constexpr TW_UINT16 TWAL_DOUBLEFEED = 4;
inline constexpr TW_UINT16 TWAL_JAM = 5;
inline constexpr TW_UINT16 TWAL_PATCHCODE = 6;
inline constexpr TW_UINT16 TWAL_POWER = 7;
inline constexpr TW_UINT16 TWAL_SKEW = 8;

// CAP_CLEARBUFFERS
inline constexpr TW_UINT16 TWCB_AUTO = 0;
inline constexpr TW_UINT16 TWCB_CLEAR = 1;
inline constexpr TW_UINT16 TWCB_NOCLEAR = 2;

// CAP_DEVICEEVENT, TW_DEVICEEVENT::Event
inline constexpr TW_UINT16 TWDE_CUSTOMEVENTS = 0x8000;
inline constexpr TW_UINT16 TWDE_CHECKAUTOMATICCAPTURE = 0;
inline constexpr TW_UINT16 TWDE_CHECKBATTERY = 1;
inline constexpr TW_UINT16 TWDE_CHECKDEVICEONLINE = 2;
inline constexpr TW_UINT16 TWDE_CHECKFLASH = 3;
inline constexpr TW_UINT16 TWDE_CHECKPOWERSUPPLY = 4;
inline constexpr TW_UINT16 TWDE_CHECKRESOLUTION = 5;
inline constexpr TW_UINT16 TWDE_DEVICEADDED = 6;
inline constexpr TW_UINT16 TWDE_DEVICEOFFLINE = 7;
inline constexpr TW_UINT16 TWDE_DEVICEREADY = 8;
inline constexpr TW_UINT16 TWDE_DEVICEREMOVED = 9;
inline constexpr TW_UINT16 TWDE_IMAGECAPTURED = 10;
inline constexpr TW_UINT16 TWDE_IMAGEDELETED = 11;
inline constexpr TW_UINT16 TWDE_PAPERDOUBLEFEED = 12;
inline constexpr TW_UINT16 TWDE_PAPERJAM = 13;
inline constexpr TW_UINT16 TWDE_LAMPFAILURE = 14;
inline constexpr TW_UINT16 TWDE_POWERSAVE = 15;
inline constexpr TW_UINT16 TWDE_POWERSAVENOTIFY = 16;

// CAP_FEEDERALIGNMENT
inline constexpr TW_UINT16 TWFA_NONE = 0;
inline constexpr TW_UINT16 TWFA_LEFT = 1;
inline constexpr TW_UINT16 TWFA_CENTER = 2;
inline constexpr TW_UINT16 TWFA_RIGHT = 3;

// CAP_FEEDERORDER
inline constexpr TW_UINT16 TWFO_FIRSTPAGEFIRST = 0;
inline constexpr TW_UINT16 TWFO_LASTPAGEFIRST = 1;

// CAP_POWERSUPPLY
inline constexpr TW_UINT16 TWPS_EXTERNAL = 0;
inline constexpr TW_UINT16 TWPS_BATTERY = 1;

// CAP_PRINTER
inline constexpr TW_UINT16 TWPR_IMPRINTERTOPBEFORE = 0;
inline constexpr TW_UINT16 TWPR_IMPRINTERTOPAFTER = 1;
inline constexpr TW_UINT16 TWPR_IMPRINTERBOTTOMBEFORE = 2;
inline constexpr TW_UINT16 TWPR_IMPRINTERBOTTOMAFTER = 3;
inline constexpr TW_UINT16 TWPR_ENDORSERTOPBEFORE = 4;
inline constexpr TW_UINT16 TWPR_ENDORSERTOPAFTER = 5;
inline constexpr TW_UINT16 TWPR_ENDORSERBOTTOMBEFORE = 6;
inline constexpr TW_UINT16 TWPR_ENDORSERBOTTOMAFTER = 7;

// CAP_PRINTERMODE
inline constexpr TW_UINT16 TWPM_SINGLESTRING = 0;
inline constexpr TW_UINT16 TWPM_MULTISTRING = 1;
inline constexpr TW_UINT16 TWPM_COMPOUNDSTRING = 2;

// ICAP_BARCODESEARCHMODE, ICAP_PATCHCODESEARCHMODE
inline constexpr TW_UINT16 TWBD_HORZ = 0;
inline constexpr TW_UINT16 TWBD_VERT = 1;
inline constexpr TW_UINT16 TWBD_HORZVERT = 2;
inline constexpr TW_UINT16 TWBD_VERTHORZ = 3;

// ICAP_FLASHUSED2
inline constexpr TW_UINT16 TWFL_NONE = 0;
inline constexpr TW_UINT16 TWFL_OFF = 1;
inline constexpr TW_UINT16 TWFL_ON = 2;
inline constexpr TW_UINT16 TWFL_AUTO = 3;
inline constexpr TW_UINT16 TWFL_REDEYE = 4;

// ICAP_FLIPROTATION
inline constexpr TW_UINT16 TWFR_BOOK = 0;
inline constexpr TW_UINT16 TWFR_FANFOLD = 1;

// ICAP_IMAGEFILTER
inline constexpr TW_UINT16 TWIF_NONE = 0;
inline constexpr TW_UINT16 TWIF_AUTO = 1;
inline constexpr TW_UINT16 TWIF_LOWPASS = 2;
inline constexpr TW_UINT16 TWIF_BANDPASS = 3;
inline constexpr TW_UINT16 TWIF_HIGHPASS = 4;
inline constexpr TW_UINT16 TWIF_TEXT = TWIF_BANDPASS;
inline constexpr TW_UINT16 TWIF_FINELINE = TWIF_HIGHPASS;

// ICAP_NOISEFILTER
inline constexpr TW_UINT16 TWNF_NONE = 0;
inline constexpr TW_UINT16 TWNF_AUTO = 1;
inline constexpr TW_UINT16 TWNF_LONEPIXEL = 2;
inline constexpr TW_UINT16 TWNF_MAJORITYRULE = 3;

// ICAP_OVERSCAN
inline constexpr TW_UINT16 TWOV_NONE = 0;
inline constexpr TW_UINT16 TWOV_AUTO = 1;
inline constexpr TW_UINT16 TWOV_TOPBOTTOM = 2;
inline constexpr TW_UINT16 TWOV_LEFTRIGHT = 3;
inline constexpr TW_UINT16 TWOV_ALL = 4;

// TW_FILESYSTEM::FileType
inline constexpr TW_INT32 TWFY_CAMERA = 0;
inline constexpr TW_INT32 TWFY_CAMERATOP = 1;
inline constexpr TW_INT32 TWFY_CAMERABOTTOM = 2;
inline constexpr TW_INT32 TWFY_CAMERAPREVIEW = 3;
inline constexpr TW_INT32 TWFY_DOMAIN = 4;
inline constexpr TW_INT32 TWFY_HOST = 5;
inline constexpr TW_INT32 TWFY_DIRECTORY = 6;
inline constexpr TW_INT32 TWFY_IMAGE = 7;
inline constexpr TW_INT32 TWFY_UNKNOWN = 8;

// ICAP_JPEGQUALITY: symbolic levels below the 0..100 scale.
inline constexpr TW_INT16 TWJQ_UNKNOWN = -4;
inline constexpr TW_INT16 TWJQ_LOW = -3;
inline constexpr TW_INT16 TWJQ_MEDIUM = -2;
inline constexpr TW_INT16 TWJQ_HIGH = -1;

// TW_PASSTHRU::Direction
inline constexpr TW_INT32 TWDR_GET = 1;
inline constexpr TW_INT32 TWDR_SET = 2;

// ---------------------------------------------------------------------------
// Extended image information (TW_INFO::InfoID)
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 TWEI_BARCODEX = 0x1200;
inline constexpr TW_UINT16 TWEI_BARCODEY = 0x1201;
inline constexpr TW_UINT16 TWEI_BARCODETEXT = 0x1202;
inline constexpr TW_UINT16 TWEI_BARCODETYPE = 0x1203;
inline constexpr TW_UINT16 TWEI_DESHADETOP = 0x1204;
inline constexpr TW_UINT16 TWEI_DESHADELEFT = 0x1205;
inline constexpr TW_UINT16 TWEI_DESHADEHEIGHT = 0x1206;
inline constexpr TW_UINT16 TWEI_DESHADEWIDTH = 0x1207;
inline constexpr TW_UINT16 TWEI_DESHADESIZE = 0x1208;
inline constexpr TW_UINT16 TWEI_SPECKLESREMOVED = 0x1209;
inline constexpr TW_UINT16 TWEI_HORZLINEXCOORD = 0x120a;
inline constexpr TW_UINT16 TWEI_HORZLINEYCOORD = 0x120b;
inline constexpr TW_UINT16 TWEI_HORZLINELENGTH = 0x120c;
inline constexpr TW_UINT16 TWEI_HORZLINETHICKNESS = 0x120d;
inline constexpr TW_UINT16 TWEI_VERTLINEXCOORD = 0x120e;
inline constexpr TW_UINT16 TWEI_VERTLINEYCOORD = 0x120f;
inline constexpr TW_UINT16 TWEI_VERTLINELENGTH = 0x1210;
inline constexpr TW_UINT16 TWEI_VERTLINETHICKNESS = 0x1211;
inline constexpr TW_UINT16 TWEI_PATCHCODE = 0x1212;
inline constexpr TW_UINT16 TWEI_ENDORSEDTEXT = 0x1213;
inline constexpr TW_UINT16 TWEI_FORMCONFIDENCE = 0x1214;
inline constexpr TW_UINT16 TWEI_FORMTEMPLATEMATCH = 0x1215;
inline constexpr TW_UINT16 TWEI_FORMTEMPLATEPAGEMATCH = 0x1216;
inline constexpr TW_UINT16 TWEI_FORMHORZDOCOFFSET = 0x1217;
inline constexpr TW_UINT16 TWEI_FORMVERTDOCOFFSET = 0x1218;
inline constexpr TW_UINT16 TWEI_BARCODECOUNT = 0x1219;
inline constexpr TW_UINT16 TWEI_BARCODECONFIDENCE = 0x121a;
inline constexpr TW_UINT16 TWEI_BARCODEROTATION = 0x121b;
inline constexpr TW_UINT16 TWEI_BARCODETEXTLENGTH = 0x121c;
inline constexpr TW_UINT16 TWEI_DESHADECOUNT = 0x121d;
inline constexpr TW_UINT16 TWEI_DESHADEBLACKCOUNTOLD = 0x121e;
inline constexpr TW_UINT16 TWEI_DESHADEBLACKCOUNTNEW = 0x121f;
inline constexpr TW_UINT16 TWEI_DESHADEBLACKRLMIN = 0x1220;
inline constexpr TW_UINT16 TWEI_DESHADEBLACKRLMAX = 0x1221;
inline constexpr TW_UINT16 TWEI_DESHADEWHITECOUNTOLD = 0x1222;
inline constexpr TW_UINT16 TWEI_DESHADEWHITECOUNTNEW = 0x1223;
inline constexpr TW_UINT16 TWEI_DESHADEWHITERLMIN = 0x1224;
inline constexpr TW_UINT16 TWEI_DESHADEWHITERLAVE = 0x1225;
inline constexpr TW_UINT16 TWEI_DESHADEWHITERLMAX = 0x1226;
inline constexpr TW_UINT16 TWEI_BLACKSPECKLESREMOVED = 0x1227;
inline constexpr TW_UINT16 TWEI_WHITESPECKLESREMOVED = 0x1228;
inline constexpr TW_UINT16 TWEI_HORZLINECOUNT = 0x1229;
inline constexpr TW_UINT16 TWEI_VERTLINECOUNT = 0x122a;
inline constexpr TW_UINT16 TWEI_DESKEWSTATUS = 0x122b;
inline constexpr TW_UINT16 TWEI_SKEWORIGINALANGLE = 0x122c;
inline constexpr TW_UINT16 TWEI_SKEWFINALANGLE = 0x122d;
inline constexpr TW_UINT16 TWEI_SKEWCONFIDENCE = 0x122e;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWX1 = 0x122f;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWY1 = 0x1230;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWX2 = 0x1231;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWY2 = 0x1232;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWX3 = 0x1233;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWY3 = 0x1234;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWX4 = 0x1235;
inline constexpr TW_UINT16 TWEI_SKEWWINDOWY4 = 0x1236;
// 0x1237 is unassigned.
inline constexpr TW_UINT16 TWEI_BOOKNAME = 0x1238;
inline constexpr TW_UINT16 TWEI_CHAPTERNUMBER = 0x1239;
inline constexpr TW_UINT16 TWEI_DOCUMENTNUMBER = 0x123a;
inline constexpr TW_UINT16 TWEI_PAGENUMBER = 0x123b;
inline constexpr TW_UINT16 TWEI_CAMERA = 0x123c;
inline constexpr TW_UINT16 TWEI_FRAMENUMBER = 0x123d;
inline constexpr TW_UINT16 TWEI_FRAME = 0x123e;
inline constexpr TW_UINT16 TWEI_PIXELFLAVOR = 0x123f;

// Job separators reported through extended image information.
inline constexpr TW_UINT16 TWEJ_NONE = 0x0000;
inline constexpr TW_UINT16 TWEJ_MIDSEPARATOR = 0x0001;
inline constexpr TW_UINT16 TWEJ_PATCH1 = 0x0002;
inline constexpr TW_UINT16 TWEJ_PATCH2 = 0x0003;
inline constexpr TW_UINT16 TWEJ_PATCH3 = 0x0004;
inline constexpr TW_UINT16 TWEJ_PATCH4 = 0x0005;
inline constexpr TW_UINT16 TWEJ_PATCH6 = 0x0006;
inline constexpr TW_UINT16 TWEJ_PATCHT = 0x0007;

// ---------------------------------------------------------------------------
// Languages (TW_VERSION::Language, CAP_LANGUAGE)
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 TWLG_USERLOCALE = 0xffff;  // -1: the user's own settings
inline constexpr TW_UINT16 TWLG_DAN = 0;
inline constexpr TW_UINT16 TWLG_DUT = 1;
inline constexpr TW_UINT16 TWLG_ENG = 2;
inline constexpr TW_UINT16 TWLG_FCF = 3;
inline constexpr TW_UINT16 TWLG_FIN = 4;
inline constexpr TW_UINT16 TWLG_FRN = 5;
inline constexpr TW_UINT16 TWLG_GER = 6;
inline constexpr TW_UINT16 TWLG_ICE = 7;
inline constexpr TW_UINT16 TWLG_ITN = 8;
inline constexpr TW_UINT16 TWLG_NOR = 9;
inline constexpr TW_UINT16 TWLG_POR = 10;
inline constexpr TW_UINT16 TWLG_SPA = 11;
inline constexpr TW_UINT16 TWLG_SWE = 12;
inline constexpr TW_UINT16 TWLG_USA = 13;
inline constexpr TW_UINT16 TWLG_AFRIKAANS = 14;
inline constexpr TW_UINT16 TWLG_ALBANIA = 15;
inline constexpr TW_UINT16 TWLG_ARABIC = 16;
inline constexpr TW_UINT16 TWLG_ARABIC_ALGERIA = 17;
inline constexpr TW_UINT16 TWLG_ARABIC_BAHRAIN = 18;
inline constexpr TW_UINT16 TWLG_ARABIC_EGYPT = 19;
inline constexpr TW_UINT16 TWLG_ARABIC_IRAQ = 20;
inline constexpr TW_UINT16 TWLG_ARABIC_JORDAN = 21;
inline constexpr TW_UINT16 TWLG_ARABIC_KUWAIT = 22;
inline constexpr TW_UINT16 TWLG_ARABIC_LEBANON = 23;
inline constexpr TW_UINT16 TWLG_ARABIC_LIBYA = 24;
inline constexpr TW_UINT16 TWLG_ARABIC_MOROCCO = 25;
inline constexpr TW_UINT16 TWLG_ARABIC_OMAN = 26;
inline constexpr TW_UINT16 TWLG_ARABIC_QATAR = 27;
inline constexpr TW_UINT16 TWLG_ARABIC_SAUDIARABIA = 28;
inline constexpr TW_UINT16 TWLG_ARABIC_SYRIA = 29;
inline constexpr TW_UINT16 TWLG_ARABIC_TUNISIA = 30;
inline constexpr TW_UINT16 TWLG_ARABIC_UAE = 31;
inline constexpr TW_UINT16 TWLG_ARABIC_YEMEN = 32;
inline constexpr TW_UINT16 TWLG_BASQUE = 33;
inline constexpr TW_UINT16 TWLG_BYELORUSSIAN = 34;
inline constexpr TW_UINT16 TWLG_BULGARIAN = 35;
inline constexpr TW_UINT16 TWLG_CATALAN = 36;
inline constexpr TW_UINT16 TWLG_CHINESE = 37;
inline constexpr TW_UINT16 TWLG_CHINESE_HONGKONG = 38;
inline constexpr TW_UINT16 TWLG_CHINESE_PRC = 39;
inline constexpr TW_UINT16 TWLG_CHINESE_SINGAPORE = 40;
inline constexpr TW_UINT16 TWLG_CHINESE_SIMPLIFIED = 41;
inline constexpr TW_UINT16 TWLG_CHINESE_TAIWAN = 42;
inline constexpr TW_UINT16 TWLG_CHINESE_TRADITIONAL = 43;
inline constexpr TW_UINT16 TWLG_CROATIA = 44;
inline constexpr TW_UINT16 TWLG_CZECH = 45;
inline constexpr TW_UINT16 TWLG_DANISH = TWLG_DAN;
inline constexpr TW_UINT16 TWLG_DUTCH = TWLG_DUT;
inline constexpr TW_UINT16 TWLG_DUTCH_BELGIAN = 46;
inline constexpr TW_UINT16 TWLG_ENGLISH = TWLG_ENG;
inline constexpr TW_UINT16 TWLG_ENGLISH_AUSTRALIAN = 47;
inline constexpr TW_UINT16 TWLG_ENGLISH_CANADIAN = 48;
inline constexpr TW_UINT16 TWLG_ENGLISH_IRELAND = 49;
inline constexpr TW_UINT16 TWLG_ENGLISH_NEWZEALAND = 50;
inline constexpr TW_UINT16 TWLG_ENGLISH_SOUTHAFRICA = 51;
inline constexpr TW_UINT16 TWLG_ENGLISH_UK = 52;
inline constexpr TW_UINT16 TWLG_ENGLISH_USA = TWLG_USA;
inline constexpr TW_UINT16 TWLG_ESTONIAN = 53;
inline constexpr TW_UINT16 TWLG_FAEROESE = 54;
inline constexpr TW_UINT16 TWLG_FARSI = 55;
inline constexpr TW_UINT16 TWLG_FINNISH = TWLG_FIN;
inline constexpr TW_UINT16 TWLG_FRENCH = TWLG_FRN;
inline constexpr TW_UINT16 TWLG_FRENCH_BELGIAN = 56;
inline constexpr TW_UINT16 TWLG_FRENCH_CANADIAN = TWLG_FCF;
inline constexpr TW_UINT16 TWLG_FRENCH_LUXEMBOURG = 57;
inline constexpr TW_UINT16 TWLG_FRENCH_SWISS = 58;
inline constexpr TW_UINT16 TWLG_GERMAN = TWLG_GER;
inline constexpr TW_UINT16 TWLG_GERMAN_AUSTRIAN = 59;
inline constexpr TW_UINT16 TWLG_GERMAN_LUXEMBOURG = 60;
inline constexpr TW_UINT16 TWLG_GERMAN_LIECHTENSTEIN = 61;
inline constexpr TW_UINT16 TWLG_GERMAN_SWISS = 62;
inline constexpr TW_UINT16 TWLG_GREEK = 63;
inline constexpr TW_UINT16 TWLG_HEBREW = 64;
inline constexpr TW_UINT16 TWLG_HUNGARIAN = 65;
inline constexpr TW_UINT16 TWLG_ICELANDIC = TWLG_ICE;
inline constexpr TW_UINT16 TWLG_INDONESIAN = 66;
inline constexpr TW_UINT16 TWLG_ITALIAN = TWLG_ITN;
inline constexpr TW_UINT16 TWLG_ITALIAN_SWISS = 67;
inline constexpr TW_UINT16 TWLG_JAPANESE = 68;
inline constexpr TW_UINT16 TWLG_KOREAN = 69;
inline constexpr TW_UINT16 TWLG_KOREAN_JOHAB = 70;
inline constexpr TW_UINT16 TWLG_LATVIAN = 71;
inline constexpr TW_UINT16 TWLG_LITHUANIAN = 72;
inline constexpr TW_UINT16 TWLG_NORWEGIAN = TWLG_NOR;
inline constexpr TW_UINT16 TWLG_NORWEGIAN_BOKMAL = 73;
inline constexpr TW_UINT16 TWLG_NORWEGIAN_NYNORSK = 74;
inline constexpr TW_UINT16 TWLG_POLISH = 75;
inline constexpr TW_UINT16 TWLG_PORTUGUESE = TWLG_POR;
inline constexpr TW_UINT16 TWLG_PORTUGUESE_BRAZIL = 76;
inline constexpr TW_UINT16 TWLG_ROMANIAN = 77;
inline constexpr TW_UINT16 TWLG_RUSSIAN = 78;
inline constexpr TW_UINT16 TWLG_SERBIAN_LATIN = 79;
inline constexpr TW_UINT16 TWLG_SLOVAK = 80;
inline constexpr TW_UINT16 TWLG_SLOVENIAN = 81;
inline constexpr TW_UINT16 TWLG_SPANISH = TWLG_SPA;
inline constexpr TW_UINT16 TWLG_SPANISH_MEXICAN = 82;
inline constexpr TW_UINT16 TWLG_SPANISH_MODERN = 83;
inline constexpr TW_UINT16 TWLG_SWEDISH = TWLG_SWE;
inline constexpr TW_UINT16 TWLG_THAI = 84;
inline constexpr TW_UINT16 TWLG_TURKISH = 85;
inline constexpr TW_UINT16 TWLG_UKRANIAN = 86;
inline constexpr TW_UINT16 TWLG_ASSAMESE = 87;
inline constexpr TW_UINT16 TWLG_BENGALI = 88;
inline constexpr TW_UINT16 TWLG_BIHARI = 89;
inline constexpr TW_UINT16 TWLG_BODO = 90;
inline constexpr TW_UINT16 TWLG_DOGRI = 91;
inline constexpr TW_UINT16 TWLG_GUJARATI = 92;
inline constexpr TW_UINT16 TWLG_HARYANVI = 93;
inline constexpr TW_UINT16 TWLG_HINDI = 94;
inline constexpr TW_UINT16 TWLG_KANNADA = 95;
inline constexpr TW_UINT16 TWLG_KASHMIRI = 96;
inline constexpr TW_UINT16 TWLG_MALAYALAM = 97;
inline constexpr TW_UINT16 TWLG_MARATHI = 98;
inline constexpr TW_UINT16 TWLG_MARWARI = 99;
inline constexpr TW_UINT16 TWLG_MEGHALAYAN = 100;
inline constexpr TW_UINT16 TWLG_MIZO = 101;
inline constexpr TW_UINT16 TWLG_NAGA = 102;
inline constexpr TW_UINT16 TWLG_ORISSI = 103;
inline constexpr TW_UINT16 TWLG_PUNJABI = 104;
inline constexpr TW_UINT16 TWLG_PUSHTU = 105;
inline constexpr TW_UINT16 TWLG_SERBIAN_CYRILLIC = 106;
inline constexpr TW_UINT16 TWLG_SIKKIMI = 107;
inline constexpr TW_UINT16 TWLG_SWEDISH_FINLAND = 108;
inline constexpr TW_UINT16 TWLG_TAMIL = 109;
inline constexpr TW_UINT16 TWLG_TELUGU = 110;
inline constexpr TW_UINT16 TWLG_TRIPURI = 111;
inline constexpr TW_UINT16 TWLG_URDU = 112;
inline constexpr TW_UINT16 TWLG_VIETNAMESE = 113;

// ---------------------------------------------------------------------------
// Countries (TW_VERSION::Country): mostly telephone country codes, with
// private numbers above 1000 and 8000 for places that share one.
// ---------------------------------------------------------------------------

inline constexpr TW_UINT16 TWCY_AFGHANISTAN = 1001;
inline constexpr TW_UINT16 TWCY_ALGERIA = 213;
inline constexpr TW_UINT16 TWCY_AMERICANSAMOA = 684;
// Decimal 33. A C header writing it "033" makes it octal 27, the value of
// TWCY_SOUTHAFRICA; peers built that way may report 27 for Andorra.
inline constexpr TW_UINT16 TWCY_ANDORRA = 33;
inline constexpr TW_UINT16 TWCY_ANGOLA = 1002;
inline constexpr TW_UINT16 TWCY_ANGUILLA = 8090;
inline constexpr TW_UINT16 TWCY_ANTIGUA = 8091;
inline constexpr TW_UINT16 TWCY_ARGENTINA = 54;
inline constexpr TW_UINT16 TWCY_ARUBA = 297;
inline constexpr TW_UINT16 TWCY_ASCENSIONI = 247;
inline constexpr TW_UINT16 TWCY_AUSTRALIA = 61;
inline constexpr TW_UINT16 TWCY_AUSTRIA = 43;
inline constexpr TW_UINT16 TWCY_BAHAMAS = 8092;
inline constexpr TW_UINT16 TWCY_BAHRAIN = 973;
inline constexpr TW_UINT16 TWCY_BANGLADESH = 880;
inline constexpr TW_UINT16 TWCY_BARBADOS = 8093;
inline constexpr TW_UINT16 TWCY_BELGIUM = 32;
inline constexpr TW_UINT16 TWCY_BELIZE = 501;
inline constexpr TW_UINT16 TWCY_BENIN = 229;
inline constexpr TW_UINT16 TWCY_BERMUDA = 8094;
inline constexpr TW_UINT16 TWCY_BHUTAN = 1003;
inline constexpr TW_UINT16 TWCY_BOLIVIA = 591;
inline constexpr TW_UINT16 TWCY_BOTSWANA = 267;
inline constexpr TW_UINT16 TWCY_BRITAIN = 6;
inline constexpr TW_UINT16 TWCY_BRITVIRGINIS = 8095;
inline constexpr TW_UINT16 TWCY_BRAZIL = 55;
inline constexpr TW_UINT16 TWCY_BRUNEI = 673;
inline constexpr TW_UINT16 TWCY_BULGARIA = 359;
inline constexpr TW_UINT16 TWCY_BURKINAFASO = 1004;
inline constexpr TW_UINT16 TWCY_BURMA = 1005;
inline constexpr TW_UINT16 TWCY_BURUNDI = 1006;
inline constexpr TW_UINT16 TWCY_CAMAROON = 237;
inline constexpr TW_UINT16 TWCY_CANADA = 2;
inline constexpr TW_UINT16 TWCY_CAPEVERDEIS = 238;
inline constexpr TW_UINT16 TWCY_CAYMANIS = 8096;
inline constexpr TW_UINT16 TWCY_CENTRALAFREP = 1007;
inline constexpr TW_UINT16 TWCY_CHAD = 1008;
inline constexpr TW_UINT16 TWCY_CHILE = 56;
inline constexpr TW_UINT16 TWCY_CHINA = 86;
inline constexpr TW_UINT16 TWCY_CHRISTMASIS = 1009;
inline constexpr TW_UINT16 TWCY_COCOSIS = 1009;
inline constexpr TW_UINT16 TWCY_COLOMBIA = 57;
inline constexpr TW_UINT16 TWCY_COMOROS = 1010;
inline constexpr TW_UINT16 TWCY_CONGO = 1011;
inline constexpr TW_UINT16 TWCY_COOKIS = 1012;
inline constexpr TW_UINT16 TWCY_COSTARICA = 506;
inline constexpr TW_UINT16 TWCY_CUBA = 5;
inline constexpr TW_UINT16 TWCY_CYPRUS = 357;
inline constexpr TW_UINT16 TWCY_CZECHOSLOVAKIA = 42;
inline constexpr TW_UINT16 TWCY_DENMARK = 45;
inline constexpr TW_UINT16 TWCY_DJIBOUTI = 1013;
inline constexpr TW_UINT16 TWCY_DOMINICA = 8097;
inline constexpr TW_UINT16 TWCY_DOMINCANREP = 8098;
inline constexpr TW_UINT16 TWCY_EASTERIS = 1014;
inline constexpr TW_UINT16 TWCY_ECUADOR = 593;
inline constexpr TW_UINT16 TWCY_EGYPT = 20;
inline constexpr TW_UINT16 TWCY_ELSALVADOR = 503;
inline constexpr TW_UINT16 TWCY_EQGUINEA = 1015;
inline constexpr TW_UINT16 TWCY_ETHIOPIA = 251;
inline constexpr TW_UINT16 TWCY_FALKLANDIS = 1016;
inline constexpr TW_UINT16 TWCY_FAEROEIS = 298;
inline constexpr TW_UINT16 TWCY_FIJIISLANDS = 679;
inline constexpr TW_UINT16 TWCY_FINLAND = 358;
inline constexpr TW_UINT16 TWCY_FRANCE = 33;
inline constexpr TW_UINT16 TWCY_FRANTILLES = 596;
inline constexpr TW_UINT16 TWCY_FRGUIANA = 594;
inline constexpr TW_UINT16 TWCY_FRPOLYNEISA = 689;
inline constexpr TW_UINT16 TWCY_FUTANAIS = 1043;
inline constexpr TW_UINT16 TWCY_GABON = 241;
inline constexpr TW_UINT16 TWCY_GAMBIA = 220;
inline constexpr TW_UINT16 TWCY_GERMANY = 49;
inline constexpr TW_UINT16 TWCY_GHANA = 233;
inline constexpr TW_UINT16 TWCY_GIBRALTER = 350;
inline constexpr TW_UINT16 TWCY_GREECE = 30;
inline constexpr TW_UINT16 TWCY_GREENLAND = 299;
inline constexpr TW_UINT16 TWCY_GRENADA = 8099;
inline constexpr TW_UINT16 TWCY_GRENEDINES = 8015;
inline constexpr TW_UINT16 TWCY_GUADELOUPE = 590;
inline constexpr TW_UINT16 TWCY_GUAM = 671;
inline constexpr TW_UINT16 TWCY_GUANTANAMOBAY = 5399;
inline constexpr TW_UINT16 TWCY_GUATEMALA = 502;
inline constexpr TW_UINT16 TWCY_GUINEA = 224;
inline constexpr TW_UINT16 TWCY_GUINEABISSAU = 1017;
inline constexpr TW_UINT16 TWCY_GUYANA = 592;
inline constexpr TW_UINT16 TWCY_HAITI = 509;
inline constexpr TW_UINT16 TWCY_HONDURAS = 504;
inline constexpr TW_UINT16 TWCY_HONGKONG = 852;
inline constexpr TW_UINT16 TWCY_HUNGARY = 36;
inline constexpr TW_UINT16 TWCY_ICELAND = 354;
inline constexpr TW_UINT16 TWCY_INDIA = 91;
inline constexpr TW_UINT16 TWCY_INDONESIA = 62;
inline constexpr TW_UINT16 TWCY_IRAN = 98;
inline constexpr TW_UINT16 TWCY_IRAQ = 964;
inline constexpr TW_UINT16 TWCY_IRELAND = 353;
inline constexpr TW_UINT16 TWCY_ISRAEL = 972;
inline constexpr TW_UINT16 TWCY_ITALY = 39;
inline constexpr TW_UINT16 TWCY_IVORYCOAST = 225;
inline constexpr TW_UINT16 TWCY_JAMAICA = 8010;
inline constexpr TW_UINT16 TWCY_JAPAN = 81;
inline constexpr TW_UINT16 TWCY_JORDAN = 962;
inline constexpr TW_UINT16 TWCY_KENYA = 254;
inline constexpr TW_UINT16 TWCY_KIRIBATI = 1018;
inline constexpr TW_UINT16 TWCY_KOREA = 82;
inline constexpr TW_UINT16 TWCY_KUWAIT = 965;
inline constexpr TW_UINT16 TWCY_LAOS = 1019;
inline constexpr TW_UINT16 TWCY_LEBANON = 1020;
inline constexpr TW_UINT16 TWCY_LIBERIA = 231;
inline constexpr TW_UINT16 TWCY_LIBYA = 218;
inline constexpr TW_UINT16 TWCY_LIECHTENSTEIN = 41;
inline constexpr TW_UINT16 TWCY_LUXENBOURG = 352;
inline constexpr TW_UINT16 TWCY_MACAO = 853;
inline constexpr TW_UINT16 TWCY_MADAGASCAR = 1021;
inline constexpr TW_UINT16 TWCY_MALAWI = 265;
inline constexpr TW_UINT16 TWCY_MALAYSIA = 60;
inline constexpr TW_UINT16 TWCY_MALDIVES = 960;
inline constexpr TW_UINT16 TWCY_MALI = 1022;
inline constexpr TW_UINT16 TWCY_MALTA = 356;
inline constexpr TW_UINT16 TWCY_MARSHALLIS = 692;
inline constexpr TW_UINT16 TWCY_MAURITANIA = 1023;
inline constexpr TW_UINT16 TWCY_MAURITIUS = 230;
inline constexpr TW_UINT16 TWCY_MEXICO = 3;
inline constexpr TW_UINT16 TWCY_MICRONESIA = 691;
inline constexpr TW_UINT16 TWCY_MIQUELON = 508;
inline constexpr TW_UINT16 TWCY_MONACO = 33;
inline constexpr TW_UINT16 TWCY_MONGOLIA = 1024;
inline constexpr TW_UINT16 TWCY_MONTSERRAT = 8011;
inline constexpr TW_UINT16 TWCY_MOROCCO = 212;
inline constexpr TW_UINT16 TWCY_MOZAMBIQUE = 1025;
inline constexpr TW_UINT16 TWCY_NAMIBIA = 264;
inline constexpr TW_UINT16 TWCY_NAURU = 1026;
inline constexpr TW_UINT16 TWCY_NEPAL = 977;
inline constexpr TW_UINT16 TWCY_NETHERLANDS = 31;
inline constexpr TW_UINT16 TWCY_NETHANTILLES = 599;
inline constexpr TW_UINT16 TWCY_NEVIS = 8012;
inline constexpr TW_UINT16 TWCY_NEWCALEDONIA = 687;
inline constexpr TW_UINT16 TWCY_NEWZEALAND = 64;
inline constexpr TW_UINT16 TWCY_NICARAGUA = 505;
inline constexpr TW_UINT16 TWCY_NIGER = 227;
inline constexpr TW_UINT16 TWCY_NIGERIA = 234;
inline constexpr TW_UINT16 TWCY_NIUE = 1027;
inline constexpr TW_UINT16 TWCY_NORFOLKI = 1028;
inline constexpr TW_UINT16 TWCY_NORWAY = 47;
inline constexpr TW_UINT16 TWCY_OMAN = 968;
inline constexpr TW_UINT16 TWCY_PAKISTAN = 92;
inline constexpr TW_UINT16 TWCY_PALAU = 1029;
inline constexpr TW_UINT16 TWCY_PANAMA = 507;
inline constexpr TW_UINT16 TWCY_PARAGUAY = 595;
inline constexpr TW_UINT16 TWCY_PERU = 51;
inline constexpr TW_UINT16 TWCY_PHILLIPPINES = 63;
inline constexpr TW_UINT16 TWCY_PITCAIRNIS = 1030;
inline constexpr TW_UINT16 TWCY_PNEWGUINEA = 675;
inline constexpr TW_UINT16 TWCY_POLAND = 48;
inline constexpr TW_UINT16 TWCY_PORTUGAL = 351;
inline constexpr TW_UINT16 TWCY_QATAR = 974;
inline constexpr TW_UINT16 TWCY_REUNIONI = 1031;
inline constexpr TW_UINT16 TWCY_ROMANIA = 40;
inline constexpr TW_UINT16 TWCY_RWANDA = 250;
inline constexpr TW_UINT16 TWCY_SAIPAN = 670;
inline constexpr TW_UINT16 TWCY_SANMARINO = 39;
inline constexpr TW_UINT16 TWCY_SAOTOME = 1033;
inline constexpr TW_UINT16 TWCY_SAUDIARABIA = 966;
inline constexpr TW_UINT16 TWCY_SENEGAL = 221;
inline constexpr TW_UINT16 TWCY_SEYCHELLESIS = 1034;
inline constexpr TW_UINT16 TWCY_SIERRALEONE = 1035;
inline constexpr TW_UINT16 TWCY_SINGAPORE = 65;
inline constexpr TW_UINT16 TWCY_SOLOMONIS = 1036;
inline constexpr TW_UINT16 TWCY_SOMALI = 1037;
inline constexpr TW_UINT16 TWCY_SOUTHAFRICA = 27;
inline constexpr TW_UINT16 TWCY_SPAIN = 34;
inline constexpr TW_UINT16 TWCY_SRILANKA = 94;
inline constexpr TW_UINT16 TWCY_STHELENA = 1032;
inline constexpr TW_UINT16 TWCY_STKITTS = 8013;
inline constexpr TW_UINT16 TWCY_STLUCIA = 8014;
inline constexpr TW_UINT16 TWCY_STPIERRE = 508;
inline constexpr TW_UINT16 TWCY_STVINCENT = 8015;
inline constexpr TW_UINT16 TWCY_SUDAN = 1038;
inline constexpr TW_UINT16 TWCY_SURINAME = 597;
inline constexpr TW_UINT16 TWCY_SWAZILAND = 268;
inline constexpr TW_UINT16 TWCY_SWEDEN = 46;
inline constexpr TW_UINT16 TWCY_SWITZERLAND = 41;
inline constexpr TW_UINT16 TWCY_SYRIA = 1039;
inline constexpr TW_UINT16 TWCY_TAIWAN = 886;
inline constexpr TW_UINT16 TWCY_TANZANIA = 255;
inline constexpr TW_UINT16 TWCY_THAILAND = 66;
inline constexpr TW_UINT16 TWCY_TOBAGO = 8016;
inline constexpr TW_UINT16 TWCY_TOGO = 228;
inline constexpr TW_UINT16 TWCY_TONGAIS = 676;
inline constexpr TW_UINT16 TWCY_TRINIDAD = 8016;
inline constexpr TW_UINT16 TWCY_TUNISIA = 216;
inline constexpr TW_UINT16 TWCY_TURKEY = 90;
inline constexpr TW_UINT16 TWCY_TURKSCAICOS = 8017;
inline constexpr TW_UINT16 TWCY_TUVALU = 1040;
inline constexpr TW_UINT16 TWCY_UGANDA = 256;
inline constexpr TW_UINT16 TWCY_USSR = 7;
inline constexpr TW_UINT16 TWCY_UAEMIRATES = 971;
inline constexpr TW_UINT16 TWCY_UNITEDKINGDOM = 44;
inline constexpr TW_UINT16 TWCY_USA = 1;
inline constexpr TW_UINT16 TWCY_URUGUAY = 598;
inline constexpr TW_UINT16 TWCY_VANUATU = 1041;
inline constexpr TW_UINT16 TWCY_VATICANCITY = 39;
inline constexpr TW_UINT16 TWCY_VENEZUELA = 58;
inline constexpr TW_UINT16 TWCY_WAKE = 1042;
inline constexpr TW_UINT16 TWCY_WALLISIS = 1043;
inline constexpr TW_UINT16 TWCY_WESTERNSAHARA = 1044;
inline constexpr TW_UINT16 TWCY_WESTERNSAMOA = 1045;
inline constexpr TW_UINT16 TWCY_YEMEN = 1046;
inline constexpr TW_UINT16 TWCY_YUGOSLAVIA = 38;
inline constexpr TW_UINT16 TWCY_ZAIRE = 243;
inline constexpr TW_UINT16 TWCY_ZAMBIA = 260;
inline constexpr TW_UINT16 TWCY_ZIMBABWE = 263;
inline constexpr TW_UINT16 TWCY_ALBANIA = 355;
inline constexpr TW_UINT16 TWCY_ARMENIA = 374;
inline constexpr TW_UINT16 TWCY_AZERBAIJAN = 994;
inline constexpr TW_UINT16 TWCY_BELARUS = 375;
inline constexpr TW_UINT16 TWCY_BOSNIAHERZGO = 387;
inline constexpr TW_UINT16 TWCY_CAMBODIA = 855;
inline constexpr TW_UINT16 TWCY_CROATIA = 385;
inline constexpr TW_UINT16 TWCY_CZECHREPUBLIC = 420;
inline constexpr TW_UINT16 TWCY_DIEGOGARCIA = 246;
inline constexpr TW_UINT16 TWCY_ERITREA = 291;
inline constexpr TW_UINT16 TWCY_ESTONIA = 372;
inline constexpr TW_UINT16 TWCY_GEORGIA = 995;
inline constexpr TW_UINT16 TWCY_LATVIA = 371;
inline constexpr TW_UINT16 TWCY_LESOTHO = 266;
inline constexpr TW_UINT16 TWCY_LITHUANIA = 370;
inline constexpr TW_UINT16 TWCY_MACEDONIA = 389;
inline constexpr TW_UINT16 TWCY_MAYOTTEIS = 269;
inline constexpr TW_UINT16 TWCY_MOLDOVA = 373;
inline constexpr TW_UINT16 TWCY_MYANMAR = 95;
inline constexpr TW_UINT16 TWCY_NORTHKOREA = 850;
inline constexpr TW_UINT16 TWCY_PUERTORICO = 787;
inline constexpr TW_UINT16 TWCY_RUSSIA = 7;
inline constexpr TW_UINT16 TWCY_SERBIA = 381;
inline constexpr TW_UINT16 TWCY_SLOVAKIA = 421;
inline constexpr TW_UINT16 TWCY_SLOVENIA = 386;
inline constexpr TW_UINT16 TWCY_SOUTHKOREA = 82;
inline constexpr TW_UINT16 TWCY_UKRAINE = 380;
inline constexpr TW_UINT16 TWCY_USVIRGINIS = 340;
inline constexpr TW_UINT16 TWCY_VIETNAM = 84;
