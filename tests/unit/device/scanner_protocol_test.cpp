#include "device/scanner_protocol.h"

#include <gtest/gtest.h>

#include <utility>

#include "device/scan_status.h"
#include "tests/unit/device/fake_platform.h"
#include "tests/unit/device/frames_inquiry.h"
#include "tests/unit/device/frames_scan.h"
#include "tests/unit/device/frames_status.h"
#include "tests/unit/device/scripted_serial_device.h"

namespace z8 {
namespace {

using test::Bytes;
namespace frames = test::frames;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class ProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.SetNumber(kPortKeyNt, kPortValue, 1);
        ASSERT_TRUE(port.FindComPort());
        ASSERT_TRUE(port.Open());
    }

    test::FakeClock clock;
    test::FakeRegistry registry;
    test::ScriptedSerialDevice device{clock};
    CSerialPort port{device, registry, nullptr};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(kReceiveBufferSize);
    Reply reply;
};

TEST(ScanParameterBlockTest, EncodesTheFinalA4GreyScanAndThePreviewByteForByte) {
    ScanParameterBlock grey;
    grey.mode = 1;
    grey.bitsPerSample = 8;
    grey.source = 1;
    grey.xResolution = grey.yResolution = 300;
    grey.right = 2481;
    grey.bottom = 3509;
    const auto greyBytes = EncodeBlock(grey);
    EXPECT_EQ(Bytes(greyBytes.begin(), greyBytes.end()), frames::kA4Grey300Block);

    ScanParameterBlock preview;
    preview.mode = 3;
    preview.bitsPerSample = 8;
    preview.source = 1;
    preview.colourLayout = 2;
    preview.xResolution = preview.yResolution = 80;
    preview.right = 661;
    preview.bottom = 935;
    const auto previewBytes = EncodeBlock(preview);
    EXPECT_EQ(Bytes(previewBytes.begin(), previewBytes.end()), frames::kA4PreviewBlock);
}

TEST(ScanParameterBlockTest, SignedFieldsTravelAsTheirLowByteAndComeBack) {
    ScanParameterBlock block;
    block.brightness = -1;
    block.red = -128;
    block.green = 127;
    block.blue = -40;
    block.bottom = 0xFFFF;
    const auto bytes = EncodeBlock(block);
    EXPECT_EQ(bytes[5], 0xFF);
    EXPECT_EQ(bytes[8], 0x80);
    EXPECT_EQ(bytes[10], 0xD8);
    EXPECT_EQ(DecodeBlock(bytes), block);
}

TEST_F(ProtocolTest, RequestsAreSixByteHeadersAndParametersFollowTheirHeader) {
    device.Expect(frames::kStatus, {});
    EXPECT_TRUE(SendRequest(port, CMD_STATUS));
    device.Expect(Concat({frames::kParametersHeader, frames::kA4Grey300Block}), {});
    device.SetWriteChunk(5);
    EXPECT_TRUE(SendParameters(
        port, DecodeBlock(std::span<const uint8_t, 26>(frames::kA4Grey300Block.data(), 26))));
}

TEST_F(ProtocolTest, SendFailsWhenTheLineTakesNothing) {
    device.HangUp();
    EXPECT_FALSE(SendRequest(port, CMD_ABORT));
    EXPECT_FALSE(SendParameters(port, ScanParameterBlock{}));
}

TEST_F(ProtocolTest, BandGivesItsLineCount) {
    device.Send(frames::kBand4x2);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.code, kReplyBand);
    EXPECT_EQ(reply.length, 10u);
    EXPECT_EQ(reply.lineCount, 4);
    const auto band = ParseBand(std::span(buffer).first(reply.length));
    ASSERT_TRUE(band);
    EXPECT_EQ(band->lineLength, 2u);
    EXPECT_EQ(band->lines[6], 0x40);
}

TEST_F(ProtocolTest, UnacceptedCodeLeavesItsPayloadInThePort) {
    device.Send(frames::kUnacceptedCode);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyRefusedCode);

    // 0x36 whose 7-byte payload looks like a status reply: the next read
    // starts inside the payload and takes it for one.
    device.Send(Concat({{0x36, 0x00, 0x07, 0x00, 0x00, 0x00}, frames::StatusReply(SCAN_BUSY)}));
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyRefusedCode);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.code, kReplyStatus);
    EXPECT_EQ(buffer[0], SCAN_BUSY);
}

TEST_F(ProtocolTest, MissingHeaderOrPayloadIsALinkFailure) {
    device.Send({0x30, 0x00, 0x01});
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    device.Send({0x33, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x04, 0x00, 0x10});
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
}

TEST_F(ProtocolTest, RepliesTooShortForTheirCodeAreRefused) {
    // A status without its byte, an inquiry with one byte, a geometry of 24.
    device.Send({0x30, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    device.Send({0x37, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02});
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    Bytes geometry = {0x34, 0x00, 0x18, 0x00, 0x00, 0x00};
    geometry.resize(6 + 24, 0);
    device.Send(geometry);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    // Each was read whole: the stream is still in step.
    device.Send(frames::kStarted);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.code, kReplyStarted);
}

TEST_F(ProtocolTest, BandsOfZeroLinesOrTooManyLinesAreRefusedAndStepKept) {
    device.Send(frames::kBandOfZeroLines);
    device.Send(frames::kBandOfTooManyLines);
    device.Send(frames::kBand4x2);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.lineCount, 4);
}

TEST_F(ProtocolTest, OversizeReplyIsRefusedAndDrainedWithoutTouchingBeyondTheBuffer) {
    // 66,002 bytes announced and sent, then an end of page.
    Bytes oversize = {0x33, 0x00, 0xD2, 0x01, 0x01, 0x00, 0x01, 0x00};
    oversize.resize(6 + 66002, 0xAB);
    device.Send(oversize);
    device.Send(frames::EndOfPage(SCAN_FIN_DOC));
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
    EXPECT_EQ(reply.length, 66002u);
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.code, kReplyEndOfPage);
    EXPECT_EQ(buffer[0], SCAN_FIN_DOC);
}

TEST_F(ProtocolTest, OversizeDrainIsBoundedWhenTheScannerSendsLessThanAnnounced) {
    // Every length byte set, and the fourth alone: without it 0x01000001 would
    // read as a whole one-byte status.
    const std::pair<Bytes, uint32_t> announced[] = {
        {{0x33, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x01}, 0xFFFFFFFFu},
        {{0x30, 0x00, 0x01, 0x00, 0x00, 0x01, SCAN_BUSY}, 0x01000001u}};
    port.SetLongTimeouts();
    for (const auto& [frame, length] : announced) {
        device.Send(frame);
        const uint32_t start = clock.TickCount();
        EXPECT_EQ(ReadReply(port, buffer, reply), kReplyLinkFailure);
        EXPECT_EQ(reply.length, length);
        EXPECT_EQ(device.Unread(), 0u);
        EXPECT_LE(clock.TickCount() - start, 2 * 150u);
    }
}

TEST_F(ProtocolTest, BandOfTheWholeBufferArrivesOverASlowLink) {
    // 66,000 bytes at 1,000 bytes a call under the long profile: the reads
    // continue where they stopped.
    Bytes band = {0x33, 0x00, 0xD0, 0x01, 0x01, 0x00, 0x0A, 0x00};
    for (uint32_t i = 2; i < kReceiveBufferSize; ++i) {
        band.push_back(static_cast<uint8_t>(i * 7));
    }
    device.Send(band);
    device.SetReadChunk(1000);
    port.SetLongTimeouts();
    EXPECT_EQ(ReadReply(port, buffer, reply), kReplyOk);
    EXPECT_EQ(reply.length, kReceiveBufferSize);
    EXPECT_EQ(reply.lineCount, 10);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), band.begin() + 6));
}

TEST_F(ProtocolTest, ReadStatusGivesTheStatusByte) {
    device.Expect(frames::kStatus, frames::StatusReply(0x84));
    device.Expect(frames::kStatus, frames::StatusReply(8));
    uint8_t status = 0;
    EXPECT_EQ(ReadStatus(port, status), 1);
    EXPECT_EQ(status, SCAN_ERREUR_CAPOT);
    EXPECT_STREQ(ScanStatusName(status), "SCAN_ERREUR_CAPOT");
    EXPECT_EQ(ReadStatus(port, status), 1);
    EXPECT_EQ(status, 8);
    EXPECT_EQ(ScanStatusName(status), nullptr);
}

TEST_F(ProtocolTest, ReadStatusFailsOnAnotherCodeOrASilentScanner) {
    device.Expect(frames::kStatus, frames::EndOfPage(0));
    uint8_t status = 42;
    EXPECT_EQ(ReadStatus(port, status), -1);
    EXPECT_EQ(status, 42);

    device.Expect(frames::kStatus, {});
    EXPECT_EQ(ReadStatus(port, status), -1);
    EXPECT_EQ(status, 42);
}

TEST_F(ProtocolTest, InquireGivesFeederThenFlatbed) {
    device.Expect(frames::kInquiry, frames::InquiryReply(1, 2));
    std::array<uint8_t, 2> abilities{};
    EXPECT_EQ(Inquire(port, abilities), 1);
    EXPECT_EQ(abilities[0], 1);
    EXPECT_EQ(abilities[1], 2);
}

TEST_F(ProtocolTest, InquiryReplyLongerThanSmallRepliesIsRefusedNotOverflowed) {
    Bytes longReply = {0x37, 0x00, 0x00, 0x01, 0x00, 0x00};
    longReply.resize(6 + 256, 0x02);
    device.Expect(frames::kInquiry, longReply);
    std::array<uint8_t, 2> abilities{9, 9};
    EXPECT_EQ(Inquire(port, abilities), -1);
    EXPECT_EQ(abilities[0], 9);
    EXPECT_EQ(device.Unread(), 0u);
}

}  // namespace
}  // namespace z8
