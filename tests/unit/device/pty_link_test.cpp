// The POSIX serial device and the protocol against the emulator over a real
// pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "device/scan_status.h"
#include "device/scanner_protocol.h"
#include "device/serial_device_posix.h"
#include "platform/posix/clock_posix.h"
#include "scanning/startup_setup.h"
#include "tests/unit/device/fake_platform.h"
#include "tests/unit/device/golden.h"
#include "tests/unit/device/running_emulator.h"
#include "tools/emulator/page_pattern.h"

namespace z8 {
namespace {

using Steady = std::chrono::steady_clock;

int64_t MsSince(Steady::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count();
}

ScanParameterBlock Block(uint8_t mode, uint16_t left, uint16_t right, uint16_t top, uint16_t bottom,
                         uint16_t dpi) {
    ScanParameterBlock block;
    block.mode = mode;
    block.bitsPerSample = mode == 0 ? 1 : 8;
    block.colourLayout = mode == 3 ? 2 : 0;
    block.bwMode = mode == 0 ? 2 : 0;
    block.source = 1;
    block.xResolution = block.yResolution = dpi;
    block.left = left;
    block.right = right;
    block.top = top;
    block.bottom = bottom;
    return block;
}

// What the data source would show for pixel (column, row) of a scanned line,
// undoing the wire's encoding: grey and black bits inverted, colour planes.
uint32_t Pixel(const ScanParameterBlock& b, std::span<const uint8_t> line, uint32_t column) {
    const uint32_t width = b.right - b.left;
    switch (b.mode) {
        case 3:
            return uint32_t{line[column]} << 16 | uint32_t{line[width + column]} << 8 |
                   line[2 * width + column];
        case 1:
            return 255u - line[column];
        default:
            return (line[column / 8] >> (7 - column % 8) & 1u) != 0 ? 0u : 1u;  // 1 white
    }
}

uint32_t Predicted(const ScanParameterBlock& b, uint32_t column, uint32_t row) {
    const uint32_t x = b.left + column;
    const uint32_t y = b.top + row;
    switch (b.mode) {
        case 3: {
            const page::Rgb c = page::Colour(x, y, b.xResolution, b.yResolution);
            return uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
        }
        case 1:
            return page::Grey(x, y, b.xResolution, b.yResolution);
        default:
            return page::Black(x, y, b.xResolution, b.yResolution) ? 0u : 1u;
    }
}

class PtyLinkTest : public ::testing::Test {
protected:
    // Starts the emulator behind <folder>/com1 and opens it as \\.\COM1,
    // found through the port driver's key.
    void Start(emu::Script script) {
        script.link = folder.Path() + "/com1";
        script.idleTimeout = 60;
        emulator = std::make_unique<test::RunningEmulator>(std::move(script));
        ASSERT_TRUE(emulator->Started());
        registry.SetNumber(kPortKeyNt, kPortValue, 1);
        ASSERT_TRUE(port.FindComPort());
        ASSERT_TRUE(port.Open());
    }

    void Stop() {
        port.Close();
        emulator.reset();
    }

    // Reads replies until the end of page; returns the end status, checking
    // every pixel of every band against the page.
    int ReceivePage(const ScanParameterBlock& sent) {
        Reply reply;
        EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
        EXPECT_EQ(reply.code, kReplyStarted);
        EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
        EXPECT_EQ(reply.code, kReplyGeometry);
        const ScanParameterBlock geometry =
            DecodeBlock(std::span<const uint8_t, 26>(buffer.data(), 26));
        EXPECT_EQ(geometry, sent);
        const uint32_t width = geometry.right - geometry.left;
        uint32_t row = 0;
        uint32_t mismatches = 0;
        for (;;) {
            const uint8_t result = ReadReply(port, buffer, reply);
            if (result != kReplyOk) {
                ADD_FAILURE() << "ReadReply gave " << int{result} << " at row " << row;
                return -1;
            }
            if (reply.code == kReplyEndOfPage) {
                EXPECT_EQ(row, uint32_t{geometry.bottom} - geometry.top);
                EXPECT_EQ(mismatches, 0u);
                return buffer[0];
            }
            EXPECT_EQ(reply.code, kReplyBand);
            const auto band = ParseBand(std::span(buffer).first(reply.length));
            for (uint32_t k = 0; k < band->lineCount; ++k, ++row) {
                const auto line = band->lines.subspan(k * band->lineLength, band->lineLength);
                for (uint32_t c = 0; c < width; ++c) {
                    mismatches += Pixel(geometry, line, c) != Predicted(geometry, c, row);
                }
            }
        }
    }

    test::TempFolder folder;
    PosixClock clock;
    test::FakeRegistry registry;
    PosixSerialDevice device{clock, folder.Path()};
    CSerialPort port{device, registry, nullptr};
    std::unique_ptr<test::RunningEmulator> emulator;
    std::vector<uint8_t> buffer = std::vector<uint8_t>(kReceiveBufferSize);
};

TEST(PortPathTest, ComNamesLiveInTheDevicesFolder) {
    EXPECT_EQ(PortPath("\\\\.\\COM1", "/d"), "/d/com1");
    EXPECT_EQ(PortPath("COM12", "/d"), "/d/com12");
    EXPECT_EQ(PortPath("/dev/ttyS0", "/d"), "/dev/ttyS0");
    EXPECT_EQ(PortPath("COMX", "/d"), "COMX");
}

TEST_F(PtyLinkTest, StartupQueryOnEveryAbilityCombination) {
    for (uint8_t feeder = 0; feeder <= 2; ++feeder) {
        for (uint8_t flatbed = 0; flatbed <= 2; ++flatbed) {
            SCOPED_TRACE(testing::Message()
                         << "feeder " << int{feeder} << " flatbed " << int{flatbed});
            emu::Script script;
            script.feeder = feeder;
            script.flatbed = flatbed;
            Start(script);
            const DeviceSetup setup = ApplyStartupAnswers(QueryScanner(port, {}), {});
            const uint16_t source = flatbed != 0 ? 2 : feeder != 0 ? 1 : 0;
            EXPECT_EQ(setup, (DeviceSetup{flatbed, static_cast<uint16_t>(3 + feeder), source,
                                          static_cast<uint16_t>(feeder != 0 ? 1 : 0)}));
            Stop();
        }
    }
}

TEST_F(PtyLinkTest, EmulatorTranscriptMatchesTheScriptedPortsGolden) {
    emu::Script script;
    script.feeder = 2;
    script.flatbed = 1;
    script.transcript = folder.Path() + "/transcript.txt";
    Start(script);
    EXPECT_EQ(ApplyStartupAnswers(QueryScanner(port, {}), {}), (DeviceSetup{1, 5, 2, 1}));
    Stop();
    EXPECT_EQ(test::ReadLines(script.transcript),
              test::ReadLines(std::string(Z8_DEVICE_TEST_DIR) +
                              "/transcripts/startup_flatbed_feeder.txt"));
}

TEST_F(PtyLinkTest, StatusSequenceThenReady) {
    emu::Script script;
    script.statuses = {SCAN_PRECHAUFFAGE, SCAN_BUSY, SCAN_ERREUR_CAPOT};
    Start(script);
    std::vector<uint8_t> seen;
    for (int i = 0; i < 4; ++i) {
        uint8_t status = 0xEE;
        ASSERT_EQ(ReadStatus(port, status), 1);
        seen.push_back(status);
    }
    EXPECT_EQ(seen, (std::vector<uint8_t>{9, 7, 132, 0}));
}

TEST_F(PtyLinkTest, PagesOfEachModeArriveAsThePatternPredicts) {
    emu::Script script;
    script.linesPerBand = 16;
    Start(script);
    for (const auto& block : {Block(1, 8, 108, 16, 96, 80), Block(3, 30, 93, 5, 40, 300),
                              Block(0, 3, 70, 0, 33, 100)}) {
        SCOPED_TRACE(testing::Message() << "mode " << int{block.mode});
        ASSERT_TRUE(SendParameters(port, block));
        port.SetLongTimeouts();
        EXPECT_EQ(ReceivePage(block), ST_OK);
        port.SetNormalTimeouts();
    }
}

TEST_F(PtyLinkTest, RefusedParametersPassTheStatus) {
    emu::Script script;
    script.refuse = SCAN_ERREUR_BOURRAGE;
    Start(script);
    ASSERT_TRUE(SendParameters(port, Block(1, 0, 10, 0, 10, 80)));
    Reply reply;
    ASSERT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.code, kReplyEndOfPage);
    EXPECT_EQ(buffer[0], SCAN_ERREUR_BOURRAGE);
}

TEST_F(PtyLinkTest, OversizeAndZeroLineBandsAreRefusedAndTheStreamStaysInStep) {
    for (const emu::Fault fault : {emu::Fault::Oversize, emu::Fault::ZeroLines}) {
        emu::Script script;
        script.fault = fault;
        Start(script);
        ASSERT_TRUE(SendParameters(port, Block(1, 0, 40, 0, 40, 80)));
        port.SetLongTimeouts();
        Reply reply;
        ASSERT_EQ(ReadReply(port, buffer, reply), kReplyOk);
        ASSERT_EQ(ReadReply(port, buffer, reply), kReplyOk);
        ASSERT_EQ(reply.code, kReplyGeometry);
        EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
        EXPECT_EQ(reply.code, kReplyBand);
        uint32_t lines = 0;
        while (ReadReply(port, buffer, reply) == kReplyOk && reply.code == kReplyBand) {
            lines += reply.lineCount;
        }
        EXPECT_EQ(reply.code, kReplyEndOfPage);
        EXPECT_EQ(lines, 40u);
        Stop();
    }
}

TEST_F(PtyLinkTest, SlowLinkDeliversBandsLargerThanOneCallBrings) {
    // 6,400-byte bands at 20,000 bytes a second: one 50 ms call brings about
    // a sixth of a band, so every band needs the reads to continue.
    emu::Script script;
    script.linesPerBand = 64;
    script.bytesPerSecond = 20000;
    Start(script);
    const ScanParameterBlock block = Block(1, 0, 100, 0, 128, 80);
    ASSERT_TRUE(SendParameters(port, block));
    EXPECT_EQ(ReceivePage(block), ST_OK);
}

TEST_F(PtyLinkTest, HangUpFailsTheReadAtOnceAndRemovesTheLink) {
    emu::Script script;
    script.fault = emu::Fault::HangUp;
    script.linesPerBand = 8;
    Start(script);
    ASSERT_TRUE(SendParameters(port, Block(1, 0, 10, 0, 32, 80)));
    port.SetLongTimeouts();
    Reply reply;
    uint8_t result = kReplyOk;
    const auto start = Steady::now();
    int bands = 0;
    while ((result = ReadReply(port, buffer, reply)) == kReplyOk) {
        bands += reply.code == kReplyBand;
    }
    EXPECT_EQ(result, kReplyLinkFailure);
    EXPECT_EQ(bands, 2);
    EXPECT_LT(MsSince(start), 2000);
    EXPECT_EQ(emulator->Finish(), emu::RunEnd::HungUp);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder.Path() + "/com1")));
}

TEST_F(PtyLinkTest, PortIsNotSharedAndIsMissingOnceTheEmulatorStops) {
    Start(emu::Script{});
    PosixSerialDevice second(clock, folder.Path());
    EXPECT_FALSE(second.Open("\\\\.\\COM1"));
    Stop();
    const auto start = Steady::now();
    EXPECT_FALSE(port.Open());
    EXPECT_LT(MsSince(start), 100);
}

}  // namespace
}  // namespace z8
