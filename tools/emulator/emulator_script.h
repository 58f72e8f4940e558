#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace z8::emu {

// Faults the emulator can play on one page (the fault page).
enum class Fault {
    None,
    BadCode,     // a reply of code 0x36 (4 bytes of payload) before the first band
    Oversize,    // a band of 66,002 payload bytes before the first band
    ZeroLines,   // a band with a line count of 0 before the first band
    ZeroHeight,  // the geometry reply with bottom = top
    BandsFirst,  // the page's first band before the geometry
    Stall,       // a pause of stallMs in the middle of the page
    HangUp,      // the line closes in the middle of the page
    // A second geometry reply in the middle of the page, between two bands.
    SecondGeometry,
    // Every line of every band one byte shorter than the geometry's width
    // needs in its mode (a black and white line of one byte is left empty).
    ShortLines,
    // The line closes inside a band frame: a band and a byte of it chosen by
    // the line pattern, the bytes before it sent.
    DropLine,
};

// How the emulated scanner behaves; set from the command line.
struct Script {
    std::string link;     // stable symlink to the pty's slave; empty for none
    uint8_t feeder = 0;   // inquiry byte 0: 0 absent, 1 grey preview, 2 colour preview
    uint8_t flatbed = 2;  // inquiry byte 1
    // Statuses answered to the first status requests of the session; then the
    // ready status: 5 while the feeder has sheets, 6 when it is empty, 0
    // without a feeder.
    std::vector<uint8_t> statuses;
    uint32_t pages = 1;  // sheets in the feeder
    // End status of the first, second... page scanned; past the list:
    // flatbed 0; feeder 5 while sheets remain, else 4.
    std::vector<uint8_t> pageEnds;
    int refuse = -1;  // when 0..255, every parameter block is refused with it
    uint32_t linesPerBand = 32;
    uint32_t bytesPerSecond = 0;  // 0: as fast as the line takes them
    Fault fault = Fault::None;
    uint32_t faultPage = 1;
    uint32_t stallMs = 5000;
    // Writes split into pieces of 1 to 64 bytes with pauses of 0 to
    // splitPauseMs between them; 0: whole writes.
    uint32_t splitPauseMs = 0;
    uint64_t linePattern = 1;    // drives the split pieces and the drop point
    std::string transcript;      // file of the >>/<< transcript; "-" for stderr
    uint32_t idleTimeout = 120;  // seconds without traffic before exiting; 0 never
};

// A pause between pieces stays shorter than one read call of the link (50 ms)
// and a frame's pauses add up to less than half of one read under its normal
// timeouts (2.5 s), so a split line is slow but never times out.
inline constexpr uint32_t kLongestSplitPauseMs = 50;
inline constexpr uint32_t kSplitPauseBudgetMs = 1000;
inline constexpr uint32_t kLargestSplitPiece = 64;

struct ParsedArgs {
    bool ok = false;
    bool help = false;
    Script script;
    std::string error;
};

// Statuses are numbers (decimal or 0x) or names (SCAN_PRECHAUFFAGE).
ParsedArgs ParseArgs(const std::vector<std::string>& args);
const char* Usage();

}  // namespace z8::emu
