#include "tools/z8scan/capability_names.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace z8scan {
namespace {

struct Named {
    TW_UINT16 value;
    const char* name;
};

// Spelled once: the constant gives the value, its own name the text.
#define Z8_NAMED(constant)  \
    Named {                 \
        constant, #constant \
    }

constexpr Named kCapabilities[] = {
    Z8_NAMED(CAP_XFERCOUNT),
    Z8_NAMED(ICAP_COMPRESSION),
    Z8_NAMED(ICAP_PIXELTYPE),
    Z8_NAMED(ICAP_UNITS),
    Z8_NAMED(ICAP_XFERMECH),
    Z8_NAMED(CAP_AUTHOR),
    Z8_NAMED(CAP_CAPTION),
    Z8_NAMED(CAP_FEEDERENABLED),
    Z8_NAMED(CAP_FEEDERLOADED),
    Z8_NAMED(CAP_TIMEDATE),
    Z8_NAMED(CAP_SUPPORTEDCAPS),
    Z8_NAMED(CAP_EXTENDEDCAPS),
    Z8_NAMED(CAP_AUTOFEED),
    Z8_NAMED(CAP_CLEARPAGE),
    Z8_NAMED(CAP_FEEDPAGE),
    Z8_NAMED(CAP_REWINDPAGE),
    Z8_NAMED(CAP_INDICATORS),
    Z8_NAMED(CAP_SUPPORTEDCAPSEXT),
    Z8_NAMED(CAP_PAPERDETECTABLE),
    Z8_NAMED(CAP_UICONTROLLABLE),
    Z8_NAMED(CAP_DEVICEONLINE),
    Z8_NAMED(CAP_AUTOSCAN),
    Z8_NAMED(CAP_THUMBNAILSENABLED),
    Z8_NAMED(CAP_DUPLEX),
    Z8_NAMED(CAP_DUPLEXENABLED),
    Z8_NAMED(CAP_ENABLEDSUIONLY),
    Z8_NAMED(CAP_CUSTOMDSDATA),
    Z8_NAMED(CAP_ENDORSER),
    Z8_NAMED(CAP_JOBCONTROL),
    Z8_NAMED(CAP_ALARMS),
    Z8_NAMED(CAP_ALARMVOLUME),
    Z8_NAMED(CAP_AUTOMATICCAPTURE),
    Z8_NAMED(CAP_TIMEBEFOREFIRSTCAPTURE),
    Z8_NAMED(CAP_TIMEBETWEENCAPTURES),
    Z8_NAMED(CAP_CLEARBUFFERS),
    Z8_NAMED(CAP_MAXBATCHBUFFERS),
    Z8_NAMED(CAP_DEVICETIMEDATE),
    Z8_NAMED(CAP_POWERSUPPLY),
    Z8_NAMED(CAP_CAMERAPREVIEWUI),
    Z8_NAMED(CAP_DEVICEEVENT),
    Z8_NAMED(CAP_SERIALNUMBER),
    Z8_NAMED(CAP_PRINTER),
    Z8_NAMED(CAP_PRINTERENABLED),
    Z8_NAMED(CAP_PRINTERINDEX),
    Z8_NAMED(CAP_PRINTERMODE),
    Z8_NAMED(CAP_PRINTERSTRING),
    Z8_NAMED(CAP_PRINTERSUFFIX),
    Z8_NAMED(CAP_LANGUAGE),
    Z8_NAMED(CAP_FEEDERALIGNMENT),
    Z8_NAMED(CAP_FEEDERORDER),
    Z8_NAMED(CAP_REACQUIREALLOWED),
    Z8_NAMED(CAP_BATTERYMINUTES),
    Z8_NAMED(CAP_BATTERYPERCENTAGE),
    Z8_NAMED(ICAP_AUTOBRIGHT),
    Z8_NAMED(ICAP_BRIGHTNESS),
    Z8_NAMED(ICAP_CONTRAST),
    Z8_NAMED(ICAP_CUSTHALFTONE),
    Z8_NAMED(ICAP_EXPOSURETIME),
    Z8_NAMED(ICAP_FILTER),
    Z8_NAMED(ICAP_FLASHUSED),
    Z8_NAMED(ICAP_GAMMA),
    Z8_NAMED(ICAP_HALFTONES),
    Z8_NAMED(ICAP_HIGHLIGHT),
    Z8_NAMED(ICAP_IMAGEFILEFORMAT),
    Z8_NAMED(ICAP_LAMPSTATE),
    Z8_NAMED(ICAP_LIGHTSOURCE),
    Z8_NAMED(ICAP_ORIENTATION),
    Z8_NAMED(ICAP_PHYSICALWIDTH),
    Z8_NAMED(ICAP_PHYSICALHEIGHT),
    Z8_NAMED(ICAP_SHADOW),
    Z8_NAMED(ICAP_FRAMES),
    Z8_NAMED(ICAP_XNATIVERESOLUTION),
    Z8_NAMED(ICAP_YNATIVERESOLUTION),
    Z8_NAMED(ICAP_XRESOLUTION),
    Z8_NAMED(ICAP_YRESOLUTION),
    Z8_NAMED(ICAP_MAXFRAMES),
    Z8_NAMED(ICAP_TILES),
    Z8_NAMED(ICAP_BITORDER),
    Z8_NAMED(ICAP_CCITTKFACTOR),
    Z8_NAMED(ICAP_LIGHTPATH),
    Z8_NAMED(ICAP_PIXELFLAVOR),
    Z8_NAMED(ICAP_PLANARCHUNKY),
    Z8_NAMED(ICAP_ROTATION),
    Z8_NAMED(ICAP_SUPPORTEDSIZES),
    Z8_NAMED(ICAP_THRESHOLD),
    Z8_NAMED(ICAP_XSCALING),
    Z8_NAMED(ICAP_YSCALING),
    Z8_NAMED(ICAP_BITORDERCODES),
    Z8_NAMED(ICAP_PIXELFLAVORCODES),
    Z8_NAMED(ICAP_JPEGPIXELTYPE),
    Z8_NAMED(ICAP_TIMEFILL),
    Z8_NAMED(ICAP_BITDEPTH),
    Z8_NAMED(ICAP_BITDEPTHREDUCTION),
    Z8_NAMED(ICAP_UNDEFINEDIMAGESIZE),
    Z8_NAMED(ICAP_IMAGEDATASET),
    Z8_NAMED(ICAP_EXTIMAGEINFO),
    Z8_NAMED(ICAP_MINIMUMHEIGHT),
    Z8_NAMED(ICAP_MINIMUMWIDTH),
    Z8_NAMED(ICAP_FLIPROTATION),
    Z8_NAMED(ICAP_BARCODEDETECTIONENABLED),
    Z8_NAMED(ICAP_SUPPORTEDBARCODETYPES),
    Z8_NAMED(ICAP_BARCODEMAXSEARCHPRIORITIES),
    Z8_NAMED(ICAP_BARCODESEARCHPRIORITIES),
    Z8_NAMED(ICAP_BARCODESEARCHMODE),
    Z8_NAMED(ICAP_BARCODEMAXRETRIES),
    Z8_NAMED(ICAP_BARCODETIMEOUT),
    Z8_NAMED(ICAP_ZOOMFACTOR),
    Z8_NAMED(ICAP_PATCHCODEDETECTIONENABLED),
    Z8_NAMED(ICAP_SUPPORTEDPATCHCODETYPES),
    Z8_NAMED(ICAP_PATCHCODEMAXSEARCHPRIORITIES),
    Z8_NAMED(ICAP_PATCHCODESEARCHPRIORITIES),
    Z8_NAMED(ICAP_PATCHCODESEARCHMODE),
    Z8_NAMED(ICAP_PATCHCODEMAXRETRIES),
    Z8_NAMED(ICAP_PATCHCODETIMEOUT),
    Z8_NAMED(ICAP_FLASHUSED2),
    Z8_NAMED(ICAP_IMAGEFILTER),
    Z8_NAMED(ICAP_NOISEFILTER),
    Z8_NAMED(ICAP_OVERSCAN),
    Z8_NAMED(ICAP_AUTOMATICBORDERDETECTION),
    Z8_NAMED(ICAP_AUTOMATICDESKEW),
    Z8_NAMED(ICAP_AUTOMATICROTATE),
    Z8_NAMED(ICAP_JPEGQUALITY),
    Z8_NAMED(ACAP_AUDIOFILEFORMAT),
    Z8_NAMED(ACAP_XFERMECH),
};

constexpr Named kItemTypes[] = {
    Z8_NAMED(TWTY_INT8),   Z8_NAMED(TWTY_INT16),   Z8_NAMED(TWTY_INT32),  Z8_NAMED(TWTY_UINT8),
    Z8_NAMED(TWTY_UINT16), Z8_NAMED(TWTY_UINT32),  Z8_NAMED(TWTY_BOOL),   Z8_NAMED(TWTY_FIX32),
    Z8_NAMED(TWTY_FRAME),  Z8_NAMED(TWTY_STR32),   Z8_NAMED(TWTY_STR64),  Z8_NAMED(TWTY_STR128),
    Z8_NAMED(TWTY_STR255), Z8_NAMED(TWTY_STR1024), Z8_NAMED(TWTY_UNI512), Z8_NAMED(TWTY_HANDLE),
};

// By the record each one is.
constexpr Named kContainerTypes[] = {
    {TWON_ARRAY, "TW_ARRAY"},
    {TWON_ENUMERATION, "TW_ENUMERATION"},
    {TWON_ONEVALUE, "TW_ONEVALUE"},
    {TWON_RANGE, "TW_RANGE"},
};

constexpr Named kConditionCodes[] = {
    Z8_NAMED(TWCC_SUCCESS),         Z8_NAMED(TWCC_BUMMER),
    Z8_NAMED(TWCC_LOWMEMORY),       Z8_NAMED(TWCC_NODS),
    Z8_NAMED(TWCC_MAXCONNECTIONS),  Z8_NAMED(TWCC_OPERATIONERROR),
    Z8_NAMED(TWCC_BADCAP),          Z8_NAMED(TWCC_BADPROTOCOL),
    Z8_NAMED(TWCC_BADVALUE),        Z8_NAMED(TWCC_SEQERROR),
    Z8_NAMED(TWCC_BADDEST),         Z8_NAMED(TWCC_CAPUNSUPPORTED),
    Z8_NAMED(TWCC_CAPBADOPERATION), Z8_NAMED(TWCC_CAPSEQERROR),
    Z8_NAMED(TWCC_DENIED),          Z8_NAMED(TWCC_FILEEXISTS),
    Z8_NAMED(TWCC_FILENOTFOUND),    Z8_NAMED(TWCC_NOTEMPTY),
    Z8_NAMED(TWCC_PAPERJAM),        Z8_NAMED(TWCC_PAPERDOUBLEFEED),
    Z8_NAMED(TWCC_FILEWRITEERROR),  Z8_NAMED(TWCC_CHECKDEVICEONLINE),
};

constexpr Named kMessages[] = {
    Z8_NAMED(MSG_GET),         Z8_NAMED(MSG_GETCURRENT),   Z8_NAMED(MSG_GETDEFAULT),
    Z8_NAMED(MSG_GETFIRST),    Z8_NAMED(MSG_GETNEXT),      Z8_NAMED(MSG_SET),
    Z8_NAMED(MSG_RESET),       Z8_NAMED(MSG_QUERYSUPPORT), Z8_NAMED(MSG_OPENDS),
    Z8_NAMED(MSG_CLOSEDS),     Z8_NAMED(MSG_ENABLEDS),     Z8_NAMED(MSG_DISABLEDS),
    Z8_NAMED(MSG_XFERREADY),   Z8_NAMED(MSG_CLOSEDSREQ),   Z8_NAMED(MSG_CLOSEDSOK),
    Z8_NAMED(MSG_DEVICEEVENT),
};

#undef Z8_NAMED

template <std::size_t N>
const char* Find(const Named (&table)[N], TW_UINT16 value) {
    for (const Named& entry : table) {
        if (entry.value == value) return entry.name;
    }
    return nullptr;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<TW_UINT16> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc() || ptr != end || value > 0xFFFF) return std::nullopt;
    return static_cast<TW_UINT16>(value);
}

}  // namespace

const char* CapabilityName(TW_UINT16 cap) {
    return Find(kCapabilities, cap);
}

const char* ItemTypeName(TW_UINT16 itemType) {
    return Find(kItemTypes, itemType);
}

const char* ContainerTypeName(TW_UINT16 conType) {
    return Find(kContainerTypes, conType);
}

const char* ConditionCodeName(TW_UINT16 cc) {
    return Find(kConditionCodes, cc);
}

const char* MessageName(TW_UINT16 msg) {
    return Find(kMessages, msg);
}

std::string CapabilityLabel(TW_UINT16 cap) {
    if (const char* name = CapabilityName(cap)) return name;
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(cap));
    return text;
}

std::optional<TW_UINT16> ParseCapability(std::string_view text) {
    for (const Named& entry : kCapabilities) {
        if (SameLetters(text, entry.name)) return entry.value;
    }
    return ParseNumber(text);
}

std::optional<TW_UINT16> ParseItemType(std::string_view text) {
    for (const Named& entry : kItemTypes) {
        const std::string_view name = entry.name;
        if (SameLetters(text, name) || SameLetters(text, name.substr(5))) return entry.value;
    }
    return std::nullopt;
}

}  // namespace z8scan
