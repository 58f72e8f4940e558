// The scanning session over the POSIX serial device, a real pseudo-terminal
// and the real clock against the emulator: whole pages compared pixel by
// pixel with the emulator's pattern, and every fault ending in bounded time
// with the line back in step for the next scan.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>

#include "device/scan_status.h"
#include "device/serial_device_posix.h"
#include "platform/global_memory_table.h"
#include "platform/ini_profile_store.h"
#include "platform/posix/clock_posix.h"
#include "scanning/scanning_session.h"
#include "tests/unit/device/running_emulator.h"
#include "tests/unit/scanning/session_rig.h"
#include "tools/emulator/page_pattern.h"
#include "twain/twain.h"

namespace z8 {
namespace {

using Steady = std::chrono::steady_clock;

// A scanned area in pixels of the scan resolution.
struct Area {
    TW_INT16 left, top, right, bottom;
};

// The emulator behind <devices>/com1, and a scanning session over real time
// and the POSIX device that finds it as \\.\COM1 through the port driver's
// key.
struct PtyRig {
    explicit PtyRig(emu::Script script) {
        Plug(std::move(script));
        registry.SetNumber(kPortKeyNt, kPortValue, 1);
    }

    // A scanner (again) behind the link, once the one before has ended.
    void Plug(emu::Script script) {
        if (emulator) emulator->Finish();
        script.link = devices.Path() + "/com1";
        script.idleTimeout = 60;
        emulator = std::make_unique<test::RunningEmulator>(std::move(script));
    }

    // The Scan command's steps, with the settings given: open, prepare, run
    // with the readiness check, close.
    ScanResult Scan(TW_UINT16 pixelType, TW_INT16 dpi, Area area) {
        CScanSettings& s = session.Settings();
        s.SetPixelType(pixelType);
        s.SetXResolutionDpi(dpi);
        s.SetYResolutionDpi(dpi);
        s.SetLeftPixels(area.left);
        s.SetTopPixels(area.top);
        s.SetRightPixels(area.right);
        s.SetBottomPixels(area.bottom);
        if (!session.Link().Open()) {
            ADD_FAILURE() << "the port does not open";
            return kScanFailed;
        }
        session.PrepareScan();
        const ScanResult result = session.RunAcquisition(true);
        session.Link().Close();
        return result;
    }

    test::TempFolder devices;
    std::unique_ptr<test::RunningEmulator> emulator;
    PosixClock clock;
    PosixSerialDevice device{clock, devices.Path()};
    test::TempDir folder;
    test::FakePaths paths{folder.path()};
    IniProfileStore store{folder.path()};
    test::FakeRegistry registry;
    test::CountingPump pump;
    GlobalMemoryTable memory;
    test::FakeStringTable strings = test::SessionTexts();
    ScanningSession session{
        ScanningPlatform{paths, store, device, registry, pump, clock, memory, strings}};
};

// Pixels of the acquired page that differ from what the emulator scanned for
// the block sent; every row's padding must be 0 too.
uint64_t Mismatches(const Image& image, const ScanParameterBlock& b) {
    const uint32_t width = uint32_t{b.right} - b.left;
    const uint32_t height = uint32_t{b.bottom} - b.top;
    const uint32_t xres = b.xResolution, yres = b.yResolution;
    uint64_t wrong = 0;
    for (uint32_t r = 0; r < height; ++r) {
        const uint32_t y = b.top + r;
        // Colour pages are bottom-up; grey final pages and black and white
        // are in scan order.
        const uint8_t* row = image.Row(static_cast<int32_t>(b.mode == 3 ? height - 1 - r : r));
        for (uint32_t c = 0; c < width; ++c) {
            const uint32_t x = b.left + c;
            switch (b.mode) {
                case 3: {
                    const page::Rgb rgb = page::Colour(x, y, xres, yres);
                    wrong += row[3 * c] != rgb.blue || row[3 * c + 1] != rgb.green ||
                             row[3 * c + 2] != rgb.red;
                    break;
                }
                case 1:
                    wrong += row[c] != page::Grey(x, y, xres, yres);
                    break;
                default: {
                    const bool white = (row[c / 8] >> (7 - c % 8) & 1) != 0;
                    wrong += white == page::Black(x, y, xres, yres);
                    break;
                }
            }
        }
        for (size_t i = image.PixelBytesPerRow(); i < image.BytesPerLine(); ++i) {
            wrong += row[i] != 0;
        }
    }
    return wrong;
}

TEST(PtyScanTest, FinalPageOfEachPixelTypeIsTheEmulatorsPage) {
    const struct {
        TW_UINT16 pixelType;
        TW_INT16 dpi;
        Area area;
        uint16_t bitCount;
        int32_t pelsPerMeter;
    } kPages[] = {
        // Widths that leave padding at the end of every row (67, 101 and 62
        // pixels once the area has been through the settings' units), each
        // page in several bands of 16 lines.
        {TWPT_BW, 100, {3, 0, 70, 41}, 1, 3937},
        {TWPT_GRAY, 80, {8, 16, 109, 96}, 8, 3149},
        {TWPT_RGB, 300, {30, 5, 93, 45}, 24, 11811},
    };
    for (const auto& p : kPages) {
        SCOPED_TRACE(testing::Message() << "pixel type " << p.pixelType);
        emu::Script script;
        script.linesPerBand = 16;
        PtyRig rig(script);
        rig.session.StartUp();
        ASSERT_EQ(rig.session.Link().PortName(), "\\\\.\\COM1");
        EXPECT_EQ(rig.Scan(p.pixelType, p.dpi, p.area), kScanSucceeded);

        const ScanParameterBlock& sent = rig.session.Job().scanParameters;
        const Image* image = rig.session.Job().acquired.image.get();
        ASSERT_NE(image, nullptr);
        const ImageHeader header = image->Header();
        EXPECT_EQ(header.width, sent.right - sent.left);
        EXPECT_EQ(header.height, sent.bottom - sent.top);
        EXPECT_EQ(header.bitCount, p.bitCount);
        EXPECT_EQ(header.xPelsPerMeter, p.pelsPerMeter);
        EXPECT_EQ(header.yPelsPerMeter, p.pelsPerMeter);
        EXPECT_EQ(header.bytesPerLine % 4, 0u);
        if (p.pixelType == TWPT_BW) {
            EXPECT_EQ(image->Palette()[0], (RgbQuad{0, 0, 0, 0}));
            EXPECT_EQ(image->Palette()[1], (RgbQuad{255, 255, 255, 0}));
        } else if (p.pixelType == TWPT_GRAY) {
            EXPECT_EQ(image->Palette()[200], (RgbQuad{200, 200, 200, 0}));
        }
        EXPECT_EQ(Mismatches(*image, sent), 0u);
        EXPECT_EQ(rig.memory.LiveBlocks(), 1u);
    }
}

TEST(PtyScanTest, EveryFaultEndsInBoundedTimeAndTheNextScanSucceeds) {
    // The next result: the scripted refusal holds for every block, so the
    // next scan meets it again, in step; after a hang-up there is no line.
    constexpr std::optional<ScanResult> kGone;
    const struct {
        const char* name;
        emu::Fault fault;
        int refuse;
        ScanResult result;
        std::optional<ScanResult> next;
    } kFaults[] = {
        {"bad-code", emu::Fault::BadCode, -1, kScanFailed, kScanSucceeded},
        {"oversize", emu::Fault::Oversize, -1, kScanFailed, kScanSucceeded},
        {"zero-lines", emu::Fault::ZeroLines, -1, kScanFailed, kScanSucceeded},
        {"zero-height", emu::Fault::ZeroHeight, -1, kScanFailed, kScanSucceeded},
        // The band before the geometry fails the run, but the page that
        // follows is whole and its accepted end decides.
        {"bands-first", emu::Fault::BandsFirst, -1, kScanSucceeded, kScanSucceeded},
        // Longer than a read with the normal time-outs, well within the long.
        {"stall", emu::Fault::Stall, -1, kScanSucceeded, kScanSucceeded},
        {"hang-up", emu::Fault::HangUp, -1, kScanFailed, kGone},
        {"second-geometry", emu::Fault::SecondGeometry, -1, kScanFailed, kScanSucceeded},
        {"short-lines", emu::Fault::ShortLines, -1, kScanFailed, kScanSucceeded},
        {"refusal 0x80", emu::Fault::None, SCAN_ERREUR_BOURRAGE, SCAN_ERREUR_BOURRAGE,
         SCAN_ERREUR_BOURRAGE},
        {"refusal 0x84", emu::Fault::None, SCAN_ERREUR_CAPOT, SCAN_ERREUR_CAPOT, SCAN_ERREUR_CAPOT},
    };
    constexpr Area kArea{8, 16, 108, 96};  // grey, 100 x 80 at 80 dpi
    for (const auto& f : kFaults) {
        SCOPED_TRACE(f.name);
        emu::Script script;
        script.fault = f.fault;
        script.refuse = f.refuse;
        script.linesPerBand = 16;
        script.stallMs = 3000;
        PtyRig rig(script);
        rig.session.StartUp();

        const auto start = Steady::now();
        EXPECT_EQ(rig.Scan(TWPT_GRAY, 80, kArea), f.result);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count();
        EXPECT_LT(ms, 20000);
        ::testing::Test::RecordProperty(f.name, static_cast<int>(ms));
        // A failed run keeps no page and no block.
        const bool accepted = f.result == kScanSucceeded;
        const Image* page = rig.session.Job().acquired.image.get();
        EXPECT_EQ(page != nullptr, accepted);
        if (page != nullptr) {
            EXPECT_EQ(Mismatches(*page, rig.session.Job().scanParameters), 0u);
        }
        EXPECT_EQ(rig.memory.LiveBlocks(), accepted ? 1u : 0u);

        if (!f.next) {
            EXPECT_EQ(rig.emulator->Finish(), emu::RunEnd::HungUp);
            EXPECT_FALSE(rig.session.Link().Open());
            continue;
        }
        EXPECT_EQ(rig.Scan(TWPT_GRAY, 80, kArea), *f.next);
        const Image* next = rig.session.Job().acquired.image.get();
        EXPECT_EQ(next != nullptr, *f.next == kScanSucceeded);
        if (next != nullptr) {
            EXPECT_EQ(Mismatches(*next, rig.session.Job().scanParameters), 0u);
        }
    }
}

// The process's descriptors open on that file.
int DescriptorsOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ignored;
        count += std::filesystem::read_symlink(entry.path(), ignored) == path;
    }
    return count;
}

TEST(PtyScanTest, SplitLineGivesExactlyThePage) {
    // Pieces of 1 to 64 bytes with pauses of up to 20 ms, each page in bands
    // of 16 lines, a different line for each pixel type.
    const struct {
        TW_UINT16 pixelType;
        TW_INT16 dpi;
        Area area;
        uint64_t line;
    } kPages[] = {
        {TWPT_BW, 100, {3, 0, 70, 41}, 1},
        {TWPT_GRAY, 80, {8, 16, 109, 96}, 2},
        {TWPT_RGB, 300, {30, 5, 93, 45}, 3},
    };
    for (const auto& p : kPages) {
        SCOPED_TRACE(testing::Message() << "pixel type " << p.pixelType << ", line " << p.line);
        emu::Script script;
        script.linesPerBand = 16;
        script.splitPauseMs = 20;
        script.linePattern = p.line;
        PtyRig rig(script);
        rig.session.StartUp();
        ASSERT_EQ(rig.Scan(p.pixelType, p.dpi, p.area), kScanSucceeded);
        const Image* image = rig.session.Job().acquired.image.get();
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(Mismatches(*image, rig.session.Job().scanParameters), 0u);
    }
}

TEST(PtyScanTest, DroppedLineFailsInBoundedTimeClosesThePortAndTheNextScanSucceeds) {
    // Wherever inside a band the line drops, the run fails with 0x20 at
    // once: a hung-up line ends each read without waiting out its timeout.
    // 10 s is a generous bound, a third of one read's under the long
    // timeouts; here it takes milliseconds.
    constexpr long long kBoundMs = 10000;
    constexpr Area kArea{8, 16, 108, 96};  // grey, 100 x 80 at 80 dpi
    for (uint64_t pattern = 1; pattern <= 4; ++pattern) {
        SCOPED_TRACE(testing::Message() << "line pattern " << pattern);
        emu::Script script;
        script.fault = emu::Fault::DropLine;
        script.linePattern = pattern;
        script.linesPerBand = 16;
        script.splitPauseMs = pattern % 2 == 0 ? 10 : 0;
        PtyRig rig(script);
        rig.session.StartUp();
        const std::string line = rig.emulator->SlavePath();

        const auto start = Steady::now();
        EXPECT_EQ(rig.Scan(TWPT_GRAY, 80, kArea), kScanFailed);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count();
        EXPECT_LT(ms, kBoundMs);
        ::testing::Test::RecordProperty("line pattern " + std::to_string(pattern) + " ms",
                                        static_cast<int>(ms));
        EXPECT_EQ(rig.emulator->Finish(), emu::RunEnd::HungUp);
        EXPECT_FALSE(rig.session.Link().IsOpen());
        EXPECT_EQ(DescriptorsOn(line), 0);
        EXPECT_EQ(rig.session.Job().acquired.image, nullptr);
        EXPECT_EQ(rig.memory.LiveBlocks(), 0u);

        rig.Plug(emu::Script{});
        ASSERT_EQ(rig.Scan(TWPT_GRAY, 80, kArea), kScanSucceeded);
        const Image* next = rig.session.Job().acquired.image.get();
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(Mismatches(*next, rig.session.Job().scanParameters), 0u);
    }
}

}  // namespace
}  // namespace z8
