#include "tools/emulator/emulator_script.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "device/scan_status.h"

namespace z8::emu {

namespace {

std::optional<uint32_t> Number(const std::string& text) {
    const bool hex = text.starts_with("0x") || text.starts_with("0X");
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (error != std::errc() || end != last || first == last) {
        return std::nullopt;
    }
    return value;
}

std::optional<uint8_t> Status(const std::string& text) {
    for (unsigned value = 0; value < 256; ++value) {
        const char* name = ScanStatusName(static_cast<uint8_t>(value));
        if (name != nullptr && text == name) {
            return static_cast<uint8_t>(value);
        }
    }
    const auto number = Number(text);
    if (!number || *number > 255) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(*number);
}

std::optional<std::vector<uint8_t>> StatusList(const std::string& text) {
    std::vector<uint8_t> list;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const auto status = Status(text.substr(start, comma - start));
        if (!status) {
            return std::nullopt;
        }
        list.push_back(*status);
        start = comma + 1;
    }
    return list;
}

std::optional<Fault> FaultNamed(const std::string& name) {
    static const struct {
        const char* name;
        Fault fault;
    } kFaults[] = {{"bad-code", Fault::BadCode},       {"oversize", Fault::Oversize},
                   {"zero-lines", Fault::ZeroLines},   {"zero-height", Fault::ZeroHeight},
                   {"bands-first", Fault::BandsFirst}, {"stall", Fault::Stall},
                   {"hang-up", Fault::HangUp},         {"second-geometry", Fault::SecondGeometry},
                   {"short-lines", Fault::ShortLines}, {"drop-line", Fault::DropLine}};
    for (const auto& entry : kFaults) {
        if (name == entry.name) {
            return entry.fault;
        }
    }
    return std::nullopt;
}

}  // namespace

ParsedArgs ParseArgs(const std::vector<std::string>& args) {
    ParsedArgs parsed;
    Script& s = parsed.script;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            parsed.help = true;
            parsed.ok = true;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            parsed.error = "unknown option or missing value: " + option;
            return parsed;
        }
        const std::string& value = args[++i];
        const auto number = Number(value);
        const auto bad = [&] {
            parsed.error = "bad value for " + option + ": " + value;
            return parsed;
        };
        if (option == "--link") {
            s.link = value;
        } else if (option == "--transcript") {
            s.transcript = value;
        } else if (option == "--feeder" || option == "--flatbed") {
            if (!number || *number > 255) {
                return bad();
            }
            (option == "--feeder" ? s.feeder : s.flatbed) = static_cast<uint8_t>(*number);
        } else if (option == "--status" || option == "--page-end") {
            const auto list = StatusList(value);
            if (!list) {
                return bad();
            }
            (option == "--status" ? s.statuses : s.pageEnds) = *list;
        } else if (option == "--refuse") {
            const auto status = Status(value);
            if (!status) {
                return bad();
            }
            s.refuse = *status;
        } else if (option == "--fault") {
            const auto fault = FaultNamed(value);
            if (!fault) {
                return bad();
            }
            s.fault = *fault;
        } else if (option == "--pages" || option == "--lines-per-band" ||
                   option == "--bytes-per-second" || option == "--fault-page" ||
                   option == "--stall-ms" || option == "--idle-timeout" ||
                   option == "--split-writes" || option == "--line-pattern") {
            if (!number) {
                return bad();
            }
            if (option == "--pages") {
                s.pages = *number;
            } else if (option == "--lines-per-band") {
                if (*number == 0 || *number > 65535) {
                    return bad();
                }
                s.linesPerBand = *number;
            } else if (option == "--bytes-per-second") {
                s.bytesPerSecond = *number;
            } else if (option == "--fault-page") {
                s.faultPage = *number;
            } else if (option == "--stall-ms") {
                s.stallMs = *number;
            } else if (option == "--split-writes") {
                if (*number > kLongestSplitPauseMs) {
                    return bad();
                }
                s.splitPauseMs = *number;
            } else if (option == "--line-pattern") {
                s.linePattern = *number;
            } else {
                s.idleTimeout = *number;
            }
        } else {
            parsed.error = "unknown option: " + option;
            return parsed;
        }
    }
    parsed.ok = true;
    return parsed;
}

const char* Usage() {
    return "usage: z8emu [options]\n"
           "Plays the scanner on a pseudo-terminal; prints the slave's path on stdout.\n"
           "  --link PATH             keep a symlink PATH to the slave (removed at exit)\n"
           "  --feeder N              feeder ability: 0 absent, 1 grey preview, 2 colour (0)\n"
           "  --flatbed N             flatbed ability, same values (2)\n"
           "  --status S,S,...        statuses answered to the first status requests,\n"
           "                          e.g. SCAN_PRECHAUFFAGE,SCAN_BUSY,0 (then: ready)\n"
           "  --pages N               sheets in the feeder (1)\n"
           "  --page-end S,S,...      end status of page 1, 2, ... (flatbed 0; feeder 5\n"
           "                          while sheets remain, else 4)\n"
           "  --refuse S              refuse every parameter block with status S\n"
           "  --lines-per-band N      lines per band, fewer when a band would pass\n"
           "                          66,000 bytes (32)\n"
           "  --bytes-per-second N    throttle the line (0: no limit)\n"
           "  --fault NAME            bad-code, oversize, zero-lines, zero-height,\n"
           "                          bands-first, stall, hang-up, second-geometry,\n"
           "                          short-lines or drop-line (the line closes inside\n"
           "                          a band, at a point the line pattern chooses)\n"
           "  --fault-page N          the page that has the fault (1)\n"
           "  --stall-ms N            length of the stall fault (5000)\n"
           "  --split-writes MS       send in pieces of 1 to 64 bytes with pauses of 0\n"
           "                          to MS ms (at most 50), a frame's pauses adding up\n"
           "                          to 1 s at most (0: whole writes)\n"
           "  --line-pattern N        the number the pieces, pauses and drop point\n"
           "                          follow: the same N plays the same line (1)\n"
           "  --transcript FILE       write a >>/<< hex transcript (- for stderr)\n"
           "  --idle-timeout S        exit after S seconds without traffic (120; 0 never)\n"
           "Statuses are numbers (decimal or 0x..) or names. SIGTERM or SIGINT end it.\n";
}

}  // namespace z8::emu
