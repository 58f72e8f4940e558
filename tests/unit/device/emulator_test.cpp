#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "device/frame.h"
#include "device/scan_status.h"
#include "tools/emulator/emulator_script.h"
#include "tools/emulator/page_lines.h"
#include "tools/emulator/page_pattern.h"
#include "tools/emulator/scanner_model.h"
#include "tools/emulator/transcript.h"

namespace z8::emu {
namespace {

ScanParameterBlock GreyBlock(uint16_t left, uint16_t right, uint16_t top, uint16_t bottom,
                             uint16_t dpi = 80) {
    ScanParameterBlock block;
    block.mode = kModeGrey;
    block.bitsPerSample = 8;
    block.source = 1;
    block.xResolution = block.yResolution = dpi;
    block.left = left;
    block.right = right;
    block.top = top;
    block.bottom = bottom;
    return block;
}

struct Sent {
    uint16_t code;
    std::vector<uint8_t> payload;
};

// Everything the model has queued, as frames; stalls and hang-ups as codes
// 0xFFFF and 0xFFFE.
std::vector<Sent> Drain(ScannerModel& model) {
    std::vector<Sent> sent;
    while (auto action = model.Next()) {
        if (action->kind != Action::Kind::Send) {
            sent.push_back(
                {static_cast<uint16_t>(action->kind == Action::Kind::Stall ? 0xFFFF : 0xFFFE), {}});
            continue;
        }
        const auto& f = action->frame;
        const FrameHeader header = DecodeHeader(std::span<const uint8_t, kHeaderSize>(f.data(), 6));
        EXPECT_EQ(header.length, f.size() - kHeaderSize);
        sent.push_back({header.code, {f.begin() + kHeaderSize, f.end()}});
    }
    return sent;
}

void Ask(ScannerModel& model, uint16_t code) {
    model.Receive(code, {});
}

void Scan(ScannerModel& model, const ScanParameterBlock& block) {
    const auto bytes = EncodeBlock(block);
    model.Receive(CMD_SET_PARAMETERS, bytes);
}

std::vector<uint16_t> Codes(const std::vector<Sent>& sent) {
    std::vector<uint16_t> codes;
    for (const auto& s : sent) {
        codes.push_back(s.code);
    }
    return codes;
}

TEST(PagePatternTest, ValuesFollowTheDocumentedFormulas) {
    // At 300 dpi, (300, 600) is (100, 200) hundredths of an inch.
    const page::Rgb rgb = page::Colour(300, 600, 300, 300);
    EXPECT_EQ(rgb.red, 100);
    EXPECT_EQ(rgb.green, 200);
    EXPECT_EQ(rgb.blue, (100 + 200) % 256);
    EXPECT_EQ(page::Grey(300, 600, 300, 300), (2 * 100 + 200) % 256);
    // The same spot of the page at 80 dpi.
    EXPECT_EQ(page::Grey(80, 160, 80, 80), page::Grey(300, 600, 300, 300));
    EXPECT_FALSE(page::Black(0, 0, 100, 100));
    EXPECT_TRUE(page::Black(25, 0, 100, 100));
    EXPECT_TRUE(page::Black(0, 25, 100, 100));
    EXPECT_FALSE(page::Black(25, 25, 100, 100));
    EXPECT_EQ(page::Grey(5, 5, 0, 0), 0);
}

TEST(PageLinesTest, WireLinesArePlanesInvertedGreyAndPackedBlackBits) {
    ScanParameterBlock colour = GreyBlock(0, 3, 7, 8, 100);
    colour.mode = kModeColour;
    std::vector<uint8_t> line;
    AppendLine(colour, 0, line);
    ASSERT_EQ(line.size(), 9u);
    ASSERT_EQ(LineLength(colour), 9u);
    for (uint32_t x = 0; x < 3; ++x) {
        const page::Rgb rgb = page::Colour(x, 7, 100, 100);
        EXPECT_EQ(line[x], rgb.red);
        EXPECT_EQ(line[3 + x], rgb.green);
        EXPECT_EQ(line[6 + x], rgb.blue);
    }

    const ScanParameterBlock grey = GreyBlock(40, 44, 3, 4, 200);
    line.clear();
    AppendLine(grey, 0, line);
    ASSERT_EQ(line.size(), 4u);
    for (uint32_t x = 0; x < 4; ++x) {
        EXPECT_EQ(line[x], 255 - page::Grey(40 + x, 3, 200, 200));
    }

    // Twelve pixels from x = 20 at 100 dpi: 20..24 white, 25..31 black.
    ScanParameterBlock bw = GreyBlock(20, 32, 0, 1, 100);
    bw.mode = kModeBlackWhite;
    bw.bitsPerSample = 1;
    line.clear();
    AppendLine(bw, 0, line);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[0], 0b00000111);
    EXPECT_EQ(line[1], 0b11110000);
}

TEST(ScannerModelTest, StatusesFollowTheScriptThenTheReadyStatus) {
    Script script;
    script.feeder = 1;
    script.flatbed = 0;
    script.statuses = {SCAN_PRECHAUFFAGE, SCAN_BUSY};
    script.pages = 0;
    ScannerModel model(script);
    Ask(model, CMD_INQUIRY);
    for (int i = 0; i < 3; ++i) {
        Ask(model, CMD_STATUS);
    }
    const auto sent = Drain(model);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0].code, kReplyInquiry);
    EXPECT_EQ(sent[0].payload, (std::vector<uint8_t>{1, 0}));
    EXPECT_EQ(sent[1].payload[0], SCAN_PRECHAUFFAGE);
    EXPECT_EQ(sent[2].payload[0], SCAN_BUSY);
    EXPECT_EQ(sent[3].payload[0], SCAN_ATTENTE_FEUILLE);
}

TEST(ScannerModelTest, PageIsStartGeometryBandsOfThePatternAndEnd) {
    Script script;
    script.linesPerBand = 32;
    ScannerModel model(script);
    const ScanParameterBlock block = GreyBlock(10, 110, 20, 170);
    Scan(model, block);
    const auto sent = Drain(model);
    EXPECT_EQ(Codes(sent), (std::vector<uint16_t>{0x32, 0x34, 0x33, 0x33, 0x33, 0x33, 0x33, 0x35}));
    EXPECT_EQ(DecodeBlock(std::span<const uint8_t, 26>(sent[1].payload.data(), 26)), block);
    uint32_t row = 0;
    for (size_t i = 2; i < 7; ++i) {
        const auto band = ParseBand(sent[i].payload);
        ASSERT_TRUE(band);
        EXPECT_EQ(band->lineLength, 100u);
        for (uint16_t k = 0; k < band->lineCount; ++k, ++row) {
            std::vector<uint8_t> expected;
            AppendLine(block, row, expected);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(),
                                   band->lines.begin() + k * band->lineLength));
        }
    }
    EXPECT_EQ(row, 150u);
    EXPECT_EQ(sent[7].payload, (std::vector<uint8_t>{ST_OK}));
}

TEST(ScannerModelTest, BandsStayWithinTheReceiveBuffer) {
    Script script;
    script.linesPerBand = 100;
    ScannerModel model(script);
    ScanParameterBlock block = GreyBlock(0, 2481, 0, 20, 300);
    block.mode = kModeColour;
    Scan(model, block);
    std::vector<uint16_t> counts;
    for (const auto& s : Drain(model)) {
        if (s.code == kReplyBand) {
            counts.push_back(ParseBand(s.payload)->lineCount);
            EXPECT_LE(s.payload.size(), kReceiveBufferSize);
        }
    }
    // 7,443-byte lines: 8 fit in a band.
    EXPECT_EQ(counts, (std::vector<uint16_t>{8, 8, 4}));
}

TEST(ScannerModelTest, FeederPagesEndWithSheetReadyThenEndOfDocumentThenRefuse) {
    Script script;
    script.feeder = 2;
    script.pages = 2;
    ScannerModel model(script);
    ScanParameterBlock block = GreyBlock(0, 8, 0, 2);
    block.source = 0;
    std::vector<uint8_t> ends;
    for (int page = 0; page < 3; ++page) {
        Scan(model, block);
        ends.push_back(Drain(model).back().payload[0]);
    }
    EXPECT_EQ(ends, (std::vector<uint8_t>{SCAN_FEUILLE_PRETE, SCAN_FIN_DOC, SCAN_ATTENTE_FEUILLE}));
    EXPECT_EQ(model.PagesScanned(), 2u);

    script.pageEnds = {SCAN_ERREUR_BOURRAGE};
    ScannerModel jam(script);
    Scan(jam, block);
    EXPECT_EQ(Drain(jam).back().payload[0], SCAN_ERREUR_BOURRAGE);
}

TEST(ScannerModelTest, BlocksTheScannerCannotScanAreRefused) {
    Script script;
    script.flatbed = 0;
    script.feeder = 1;
    ScannerModel model(script);
    std::vector<ScanParameterBlock> bad(6, GreyBlock(0, 10, 0, 10));
    bad[0].mode = 2;
    bad[1].bitsPerSample = 1;
    bad[2].xResolution = 0;
    bad[3].bottom = bad[3].top;
    bad[4].right = 0;
    bad[5].source = 1;  // no flatbed
    for (const auto& block : bad) {
        Scan(model, block);
        const auto sent = Drain(model);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].code, kReplyEndOfPage);
        EXPECT_EQ(sent[0].payload[0], SCAN_ERREUR_PARAM);
    }
    model.Receive(CMD_SET_PARAMETERS, std::vector<uint8_t>(25, 0));
    EXPECT_EQ(Drain(model)[0].payload[0], SCAN_ERREUR_PARAM);

    script.refuse = SCAN_ERREUR_CAPOT;
    ScannerModel coverOpen(script);
    ScanParameterBlock fine = GreyBlock(0, 10, 0, 10);
    fine.source = 0;
    Scan(coverOpen, fine);
    EXPECT_EQ(Drain(coverOpen)[0].payload[0], SCAN_ERREUR_CAPOT);
}

TEST(ScannerModelTest, AbortDropsTheRestOfThePage) {
    ScannerModel model(Script{});
    Scan(model, GreyBlock(0, 10, 0, 500));
    ASSERT_TRUE(model.Next());
    Ask(model, CMD_ABORT);
    const auto sent = Drain(model);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, kReplyStatus);
    // Unknown requests are ignored.
    model.Receive(0x39, {});
    EXPECT_FALSE(model.Next());
}

TEST(ScannerModelTest, FaultsHappenOnTheirPageAsDocumented) {
    const ScanParameterBlock block = GreyBlock(0, 10, 0, 64);
    const auto play = [&](Fault fault, uint32_t faultPage = 1) {
        Script script;
        script.fault = fault;
        script.faultPage = faultPage;
        ScannerModel model(script);
        Scan(model, block);
        return Drain(model);
    };
    using Codes_ = std::vector<uint16_t>;
    EXPECT_EQ(Codes(play(Fault::None)), (Codes_{0x32, 0x34, 0x33, 0x33, 0x35}));
    EXPECT_EQ(Codes(play(Fault::BadCode, 2)), (Codes_{0x32, 0x34, 0x33, 0x33, 0x35}));
    EXPECT_EQ(Codes(play(Fault::BadCode)), (Codes_{0x32, 0x34, 0x36, 0x33, 0x33, 0x35}));
    EXPECT_EQ(Codes(play(Fault::BandsFirst)), (Codes_{0x32, 0x33, 0x34, 0x33, 0x33, 0x35}));
    EXPECT_EQ(Codes(play(Fault::Stall)), (Codes_{0x32, 0x34, 0x33, 0xFFFF, 0x33, 0x35}));
    EXPECT_EQ(Codes(play(Fault::HangUp)), (Codes_{0x32, 0x34, 0x33, 0xFFFE, 0x33, 0x35}));
    const auto secondGeometry = play(Fault::SecondGeometry);
    EXPECT_EQ(Codes(secondGeometry), (Codes_{0x32, 0x34, 0x33, 0x34, 0x33, 0x35}));
    EXPECT_EQ(secondGeometry[3].payload, secondGeometry[1].payload);

    // Lines one byte short of the width of 10, the rest of each line as the
    // pattern draws it; only on the fault page.
    const auto shortLines = play(Fault::ShortLines);
    EXPECT_EQ(Codes(shortLines), (Codes_{0x32, 0x34, 0x33, 0x33, 0x35}));
    for (size_t i = 2; i < 4; ++i) {
        const auto band = ParseBand(shortLines[i].payload);
        ASSERT_TRUE(band);
        EXPECT_EQ(band->lineCount, 32u);
        EXPECT_EQ(band->lineLength, 9u);
        std::vector<uint8_t> full;
        AppendLine(block, static_cast<uint32_t>(32 * (i - 2) + 31), full);
        EXPECT_TRUE(std::equal(full.begin(), full.end() - 1, band->lines.end() - 9));
    }
    EXPECT_EQ(ParseBand(play(Fault::ShortLines, 2)[2].payload)->lineLength, 10u);

    const auto oversize = play(Fault::Oversize);
    EXPECT_EQ(oversize[2].code, kReplyBand);
    EXPECT_EQ(oversize[2].payload.size(), kReceiveBufferSize + 2);
    const auto zeroLines = play(Fault::ZeroLines);
    EXPECT_EQ(zeroLines[2].payload[0] | zeroLines[2].payload[1], 0);
    EXPECT_FALSE(ParseBand(zeroLines[2].payload));
    const auto zeroHeight = play(Fault::ZeroHeight);
    const auto geometry =
        DecodeBlock(std::span<const uint8_t, 26>(zeroHeight[1].payload.data(), 26));
    EXPECT_EQ(geometry.bottom, geometry.top);
    EXPECT_EQ(zeroHeight.size(), 5u);
}

TEST(ScannerModelTest, DroppedLineClosesInsideTheBandTheLinePatternChooses) {
    // Eight bands of 8 lines.
    const ScanParameterBlock block = GreyBlock(0, 10, 0, 64);
    const auto play = [&](Fault fault, uint64_t pattern) {
        Script script;
        script.fault = fault;
        script.linesPerBand = 8;
        script.linePattern = pattern;
        ScannerModel model(script);
        Scan(model, block);
        std::vector<Action> actions;
        while (auto action = model.Next())
            actions.push_back(std::move(*action));
        return actions;
    };
    const std::vector<Action> whole = play(Fault::None, 1);
    ASSERT_EQ(whole.size(), 11u);  // started, geometry, 8 bands, end of page
    std::set<size_t> bands, cuts;
    for (uint64_t pattern = 1; pattern <= 20; ++pattern) {
        SCOPED_TRACE(pattern);
        const std::vector<Action> dropped = play(Fault::DropLine, pattern);
        ASSERT_GE(dropped.size(), 3u);
        const size_t band = dropped.size() - 1;  // the index in `whole` of the cut band
        for (size_t i = 0; i < band; ++i) {
            EXPECT_EQ(dropped[i].kind, Action::Kind::Send);
            EXPECT_EQ(dropped[i].frame, whole[i].frame);
        }
        const Action& drop = dropped.back();
        EXPECT_EQ(drop.kind, Action::Kind::HangUp);
        const std::vector<uint8_t>& full = whole[band].frame;
        ASSERT_GE(drop.frame.size(), 1u);
        ASSERT_LT(drop.frame.size(), full.size());
        EXPECT_TRUE(std::equal(drop.frame.begin(), drop.frame.end(), full.begin()));
        // The same number plays the same line.
        EXPECT_EQ(play(Fault::DropLine, pattern).back().frame, drop.frame);
        bands.insert(band);
        cuts.insert(drop.frame.size());
    }
    EXPECT_GE(bands.size(), 4u);
    EXPECT_GE(cuts.size(), 10u);
}

TEST(EmulatorArgsTest, StatusesTakeNamesOrNumbers) {
    const auto parsed =
        ParseArgs({"--feeder", "2", "--flatbed", "0", "--status", "SCAN_PRECHAUFFAGE,7,0x80",
                   "--page-end", "5,4", "--fault", "stall", "--stall-ms", "100", "--link", "/tmp/x",
                   "--split-writes", "50", "--line-pattern", "0x2a"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const Script& s = parsed.script;
    EXPECT_EQ(s.feeder, 2);
    EXPECT_EQ(s.flatbed, 0);
    EXPECT_EQ(s.statuses, (std::vector<uint8_t>{9, 7, 128}));
    EXPECT_EQ(s.pageEnds, (std::vector<uint8_t>{5, 4}));
    EXPECT_EQ(s.fault, Fault::Stall);
    EXPECT_EQ(s.stallMs, 100u);
    EXPECT_EQ(s.link, "/tmp/x");
    EXPECT_EQ(s.splitPauseMs, 50u);
    EXPECT_EQ(s.linePattern, 42u);
}

TEST(EmulatorArgsTest, EveryFaultHasItsName) {
    const struct {
        const char* name;
        Fault fault;
    } kNames[] = {{"bad-code", Fault::BadCode},       {"oversize", Fault::Oversize},
                  {"zero-lines", Fault::ZeroLines},   {"zero-height", Fault::ZeroHeight},
                  {"bands-first", Fault::BandsFirst}, {"stall", Fault::Stall},
                  {"hang-up", Fault::HangUp},         {"second-geometry", Fault::SecondGeometry},
                  {"short-lines", Fault::ShortLines}, {"drop-line", Fault::DropLine}};
    for (const auto& entry : kNames) {
        const auto parsed = ParseArgs({"--fault", entry.name});
        ASSERT_TRUE(parsed.ok) << entry.name << ": " << parsed.error;
        EXPECT_EQ(parsed.script.fault, entry.fault) << entry.name;
        EXPECT_NE(std::string(Usage()).find(entry.name), std::string::npos) << entry.name;
    }
}

TEST(EmulatorArgsTest, BadInputIsRefusedWithItsReason) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--feeder", "256"},
                                                                  {"--status", "9,,0"},
                                                                  {"--status", "SCAN_NOTHING"},
                                                                  {"--fault", "fire"},
                                                                  {"--lines-per-band", "0"},
                                                                  {"--split-writes", "51"},
                                                                  {"--pages"},
                                                                  {"--colour", "1"}}) {
        const auto parsed = ParseArgs(args);
        EXPECT_FALSE(parsed.ok) << args[0];
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_TRUE(ParseArgs({"--help"}).help);
}

TEST(TranscriptTest, FramesReadAsHexWithANote) {
    const std::vector<uint8_t> status = {0x30, 0, 1, 0, 0, 0, 0x84};
    EXPECT_EQ(FormatFrame(kFromScanner, status),
              "<< 30 00 01 00 00 00 | 84  # status 132 SCAN_ERREUR_CAPOT");
    EXPECT_EQ(FormatFrame(kToScanner, std::vector<uint8_t>{0x37, 0, 0, 0, 0, 0}),
              ">> 37 00 00 00 00 00  # inquiry");
    std::vector<uint8_t> band = {0x33, 0, 42, 0, 0, 0, 2, 0};
    band.resize(48, 0xAA);
    EXPECT_EQ(FormatFrame(kFromScanner, band),
              "<< 33 00 2a 00 00 00 | 02 00 aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa aa "
              "aa aa aa aa aa aa aa aa aa aa aa aa ...(+10)  # band 2 lines of 20");
    const auto lines =
        FormatStream(kFromScanner, std::vector<uint8_t>{0x32, 0, 0, 0, 0, 0, 0x35, 0});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "<< 32 00 00 00 00 00  # started");
    EXPECT_EQ(lines[1], "<< 35 00  (incomplete)");
}

}  // namespace
}  // namespace z8::emu
