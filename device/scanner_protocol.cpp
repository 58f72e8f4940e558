#include "device/scanner_protocol.h"

#include <algorithm>

namespace z8 {

namespace {

// Status and inquiry replies carry one or two bytes; this leaves room for a
// scanner that sends a little more and refuses anything longer.
constexpr size_t kSmallReply = 64;

// One request, one reply of the expected code into a small buffer.
bool Exchange(CSerialPort& port, uint16_t request, uint16_t expected,
              std::array<uint8_t, kSmallReply>& payload) {
    Reply reply;
    return SendRequest(port, request) && ReadReply(port, payload, reply) == kReplyOk &&
           reply.code == expected;
}

}  // namespace

bool SendRequest(CSerialPort& port, uint16_t code) {
    const auto header = EncodeHeader({code, 0});
    uint32_t sent = 0;
    return port.Write(header.data(), kHeaderSize, sent);
}

bool SendParameters(CSerialPort& port, const ScanParameterBlock& block) {
    const auto header = EncodeHeader({CMD_SET_PARAMETERS, kScanParameterBlockSize});
    const auto body = EncodeBlock(block);
    uint32_t headerSent = 0;
    uint32_t bodySent = 0;
    const bool headerOk = port.Write(header.data(), kHeaderSize, headerSent);
    const bool bodyOk = headerOk && port.Write(body.data(), kScanParameterBlockSize, bodySent);
    return bodyOk && headerSent + bodySent == kHeaderSize + kScanParameterBlockSize;
}

uint8_t ReadReply(CSerialPort& port, std::span<uint8_t> payload, Reply& reply) {
    std::array<uint8_t, kHeaderSize> raw{};
    uint32_t received = 0;
    if (!port.Read(raw.data(), kHeaderSize, received)) {
        return kReplyLinkFailure;
    }
    const FrameHeader header = DecodeHeader(raw);
    if (!IsAcceptedReplyCode(header.code)) {
        return kReplyRefusedCode;
    }
    reply.code = header.code;
    reply.length = header.length;
    reply.lineCount = 0;
    if (header.length > payload.size()) {
        port.Discard(header.length);
        return kReplyLinkFailure;
    }
    if (header.length != 0 && !port.Read(payload.data(), header.length, received)) {
        return kReplyLinkFailure;
    }
    if (header.length < MinimumReplyPayload(header.code)) {
        return kReplyLinkFailure;
    }
    if (header.code == kReplyBand) {
        const auto band = ParseBand(payload.first(header.length));
        if (!band) {
            return kReplyLinkFailure;
        }
        reply.lineCount = band->lineCount;
    }
    return kReplyOk;
}

int ReadStatus(CSerialPort& port, uint8_t& status) {
    std::array<uint8_t, kSmallReply> payload{};
    if (!Exchange(port, CMD_STATUS, kReplyStatus, payload)) {
        return -1;
    }
    status = payload[0];
    return 1;
}

int Inquire(CSerialPort& port, std::array<uint8_t, 2>& abilities) {
    std::array<uint8_t, kSmallReply> payload{};
    if (!Exchange(port, CMD_INQUIRY, kReplyInquiry, payload)) {
        return -1;
    }
    std::copy_n(payload.begin(), abilities.size(), abilities.begin());
    return 1;
}

}  // namespace z8
