#include "tools/z8scan/acquire_options.h"

#include <cstdlib>

namespace z8scan {
namespace {

// A length in inches as TW_FIX32, rounded to the nearest 1/65536.
bool ParseInches(const std::string& text, TW_FIX32& out) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || value < 0 || value > 100) {
        return false;
    }
    const auto fixed = static_cast<long>(value * 65536 + 0.5);
    out = TW_FIX32{static_cast<TW_INT16>(fixed >> 16), static_cast<TW_UINT16>(fixed & 0xFFFF)};
    return true;
}

bool ParseFrame(const std::string& text, TW_FRAME& frame) {
    TW_FIX32* edges[4] = {&frame.Left, &frame.Top, &frame.Right, &frame.Bottom};
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t comma = text.find(',', start);
        if ((comma == std::string::npos) != (i == 3)) return false;
        const std::string edge =
            text.substr(start, comma == std::string::npos ? comma : comma - start);
        if (!ParseInches(edge, *edges[i])) return false;
        start = comma + 1;
    }
    return true;
}

CapabilityStep Set(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item) {
    CapabilityStep step;
    step.msg = MSG_SET;
    step.cap = cap;
    step.itemType = itemType;
    step.item = item;
    return step;
}

std::optional<TW_UINT16> PixelType(const std::string& name) {
    if (name == "bw") return TWPT_BW;
    if (name == "grey" || name == "gray") return TWPT_GRAY;
    if (name == "rgb") return TWPT_RGB;
    if (name == "palette") return TWPT_PALETTE;
    return std::nullopt;
}

std::optional<TW_UINT16> FileFormat(const std::string& name) {
    if (name == "tiff") return TWFF_TIFF;
    if (name == "pict") return TWFF_PICT;
    if (name == "bmp") return TWFF_BMP;
    if (name == "xbm") return TWFF_XBM;
    if (name == "jfif") return TWFF_JFIF;
    return std::nullopt;
}

bool IsStripSize(const std::string& text) {
    int bytes = 0;
    return text == "preferred" || text == "min" || text == "max" ||
           ParseCount(text, 1, 0x7FFFFFFF, bytes);
}

}  // namespace

const char* AcquireUsage() {
    return "usage: z8scan acquire [options]\n"
           "\n"
           "Opens a source, sets what is asked, enables it, waits for MSG_XFERREADY and\n"
           "transfers every page until MSG_ENDXFER answers Count 0, writing each as\n"
           "FOLDER/page-N.bmp; then disables and closes it. One line per page.\n"
           "\n"
           "  --source NAME           the source's product name (default: the manager's)\n"
           "  --app-name NAME         the product name this application presents\n"
           "                          (default z8scan)\n"
           "  --ui / --no-ui          with or without the source's dialog (default --no-ui)\n"
           "  --press-scan            with the dialog: click its Scan button\n"
           "  --native | --memory | --file   the transfer mechanism (default --native)\n"
           "  --handle                memory strips in a global memory handle (default:\n"
           "                          a plain pointer)\n"
           "  --strip SIZE            preferred, min, max (of DAT_SETUPMEMXFER) or bytes\n"
           "  --pixel-type TYPE       bw, grey, palette or rgb\n"
           "  --dpi N                 X and Y resolution\n"
           "  --frame L,T,R,B         the area in inches (DAT_IMAGELAYOUT)\n"
           "  --feeder | --flatbed    the document source\n"
           "  --count N               CAP_XFERCOUNT (-1: every sheet)\n"
           "  --out FOLDER            where the pages go (default .)\n"
           "  --file-name NAME        with --file: the name set up for every page\n"
           "                          (default FOLDER/page-N.bmp); a failed file\n"
           "                          transfer is reported and the page ended\n"
           "  --file-format FORMAT    with --file: tiff, pict, bmp, xbm or jfif\n"
           "                          (default bmp)\n"
           "  --script FILE           a dialog script (see z8scan --help) worked by a\n"
           "                          driver thread during the acquisition\n"
           "  --timeout SECONDS       wait this long for MSG_XFERREADY (default 120)\n"
           "  --verbose               print every transfer triplet's codes\n"
           "what real applications do:\n"
           "  --probe                 DAT_IMAGELAYOUT in state 4; DAT_XFERGROUP,\n"
           "                          ICAP_XFERMECH and DAT_PENDINGXFERS in state 6;\n"
           "                          DAT_IMAGEINFO again in state 7, compared\n"
           "  --reset-at-ready        MSG_RESET at once, without a transfer\n"
           "  --end-after-strips N    MSG_ENDXFER after N memory strips\n"
           "  --short-buffer-first    first a strip one byte short of a row, then the\n"
           "                          proper one\n"
           "  --reset-after-end       MSG_RESET after the last MSG_ENDXFER\n"
           "\n"
           "exit codes: 0 every page written, 1 a failure, 2 bad command line\n";
}

AcquireParse ParseAcquire(const std::vector<std::string>& args) {
    AcquireParse result;
    AcquireOptions& o = result.options;
    std::vector<CapabilityStep> later;
    bool inches = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : "";
        int number = 0;
        if (arg == "--help" || arg == "-h") {
            result.help = true;
        } else if (arg == "--ui") {
            o.showUI = true;
        } else if (arg == "--no-ui") {
            o.showUI = false;
        } else if (arg == "--press-scan") {
            o.pressScan = true;
        } else if (arg == "--native" || arg == "--memory" || arg == "--file") {
            o.mechanism = arg == "--native"   ? Mechanism::Native
                          : arg == "--memory" ? Mechanism::Memory
                                              : Mechanism::File;
        } else if (arg == "--handle") {
            o.handle = true;
        } else if (arg == "--feeder" || arg == "--flatbed") {
            later.push_back(Set(CAP_FEEDERENABLED, TWTY_BOOL, arg == "--feeder" ? 1 : 0));
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else if (arg == "--probe") {
            o.probe = true;
        } else if (arg == "--reset-at-ready") {
            o.resetAtReady = true;
        } else if (arg == "--short-buffer-first") {
            o.shortBufferFirst = true;
        } else if (arg == "--reset-after-end") {
            o.resetAfterEnd = true;
        } else if (!hasValue &&
                   (arg == "--source" || arg == "--strip" || arg == "--pixel-type" ||
                    arg == "--dpi" || arg == "--frame" || arg == "--count" || arg == "--out" ||
                    arg == "--timeout" || arg == "--end-after-strips" || arg == "--app-name" ||
                    arg == "--file-name" || arg == "--file-format" || arg == "--script")) {
            result.error = arg + " needs a value";
            return result;
        } else if (arg == "--source") {
            o.source = args[++i];
        } else if (arg == "--out") {
            o.out = args[++i];
        } else if (arg == "--app-name") {
            o.appName = args[++i];
        } else if (arg == "--file-name") {
            o.fileName = args[++i];
        } else if (arg == "--script") {
            o.script = args[++i];
        } else if (arg == "--file-format") {
            const auto format = FileFormat(value);
            if (!format) {
                result.error = "--file-format takes tiff, pict, bmp, xbm or jfif";
                return result;
            }
            o.fileFormat = *format;
            ++i;
        } else if (arg == "--strip") {
            if (!IsStripSize(value)) {
                result.error = "--strip takes preferred, min, max or a number of bytes";
                return result;
            }
            o.strip = args[++i];
        } else if (arg == "--pixel-type") {
            const auto type = PixelType(value);
            if (!type) {
                result.error = "--pixel-type takes bw, grey, palette or rgb";
                return result;
            }
            later.push_back(Set(ICAP_PIXELTYPE, TWTY_UINT16, *type));
            ++i;
        } else if (arg == "--dpi") {
            if (!ParseCount(value, 1, 2400, number)) {
                result.error = "--dpi takes a resolution from 1 to 2400";
                return result;
            }
            const TW_UINT32 fix32 = static_cast<TW_UINT32>(number);  // whole part, fraction 0
            later.push_back(Set(ICAP_XRESOLUTION, TWTY_FIX32, fix32));
            later.push_back(Set(ICAP_YRESOLUTION, TWTY_FIX32, fix32));
            inches = true;
            ++i;
        } else if (arg == "--frame") {
            TW_FRAME frame{};
            if (!ParseFrame(value, frame)) {
                result.error = "--frame takes four lengths in inches: left,top,right,bottom";
                return result;
            }
            o.frame = frame;
            inches = true;
            ++i;
        } else if (arg == "--count") {
            if (!ParseCount(value, -1, 0x3C00, number) || number == 0) {
                result.error = "--count takes -1 or a number of pages from 1 to 15360";
                return result;
            }
            later.push_back(Set(CAP_XFERCOUNT, TWTY_INT16, static_cast<TW_UINT16>(number)));
            ++i;
        } else if (arg == "--timeout") {
            if (!ParseCount(value, 1, 3600, o.timeoutSeconds)) {
                result.error = "--timeout takes a number of seconds from 1 to 3600";
                return result;
            }
            ++i;
        } else if (arg == "--end-after-strips") {
            if (!ParseCount(value, 1, 100000, o.endAfterStrips)) {
                result.error = "--end-after-strips takes a number of strips";
                return result;
            }
            ++i;
        } else {
            result.error = "unexpected argument '" + arg + "'";
            return result;
        }
    }
    if (inches) o.steps.push_back(Set(ICAP_UNITS, TWTY_UINT16, TWUN_INCHES));
    const TW_UINT16 mech = o.mechanism == Mechanism::Native   ? TWSX_NATIVE
                           : o.mechanism == Mechanism::Memory ? TWSX_MEMORY
                                                              : TWSX_FILE;
    o.steps.push_back(Set(ICAP_XFERMECH, TWTY_UINT16, mech));
    o.steps.insert(o.steps.end(), later.begin(), later.end());
    if (o.pressScan && !o.showUI) {
        result.error = "--press-scan needs --ui";
        return result;
    }
    if ((!o.fileName.empty() || o.fileFormat != TWFF_BMP) && o.mechanism != Mechanism::File) {
        result.error = "--file-name and --file-format need --file";
        return result;
    }
    if ((o.endAfterStrips > 0 || o.shortBufferFirst) && o.mechanism != Mechanism::Memory) {
        result.error = "--end-after-strips and --short-buffer-first need --memory";
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace z8scan
