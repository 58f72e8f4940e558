#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "device/frame.h"
#include "device/scan_parameter_block.h"
#include "device/serial_port.h"

namespace z8 {

// The request/reply operations over an open port, with whatever timeout
// profile it has. None of them retries beyond what the port does.

// Results of ReadReply.
inline constexpr uint8_t kReplyOk = 1;
inline constexpr uint8_t kReplyLinkFailure = 0x80;  // header or payload missing or unusable
inline constexpr uint8_t kReplyRefusedCode = 0xF2;  // a code that is not accepted

struct Reply {
    uint16_t code = 0;
    uint32_t length = 0;
    uint16_t lineCount = 0;  // bands only
};

// The 6-byte header with length 0 (CMD_STATUS, CMD_ABORT, CMD_INQUIRY).
bool SendRequest(CSerialPort& port, uint16_t code);
// The header (CMD_SET_PARAMETERS, 26) then the block: true when all 32 bytes
// went out.
bool SendParameters(CSerialPort& port, const ScanParameterBlock& block);

// Reads one reply, its payload into `payload`.
// - kReplyRefusedCode: the code is not accepted; its payload stays unread in
//   the port, so the next read starts inside it.
// - kReplyLinkFailure: the header or the payload did not arrive; or the
//   announced payload does not fit `payload`, which is then drained from the
//   port (at most the announced length, within the port's bound of calls,
//   stopping once the line is quiet) so that the next header is read in step
//   when the scanner sent it all; or the payload is shorter than its code needs
//   (MinimumReplyPayload), or is a band ParseBand refuses.
// reply gets the code and length once the code is accepted, and the line
// count of a band.
uint8_t ReadReply(CSerialPort& port, std::span<uint8_t> payload, Reply& reply);

// CMD_STATUS then one status reply: 1 with its byte in status, else -1 and
// status unchanged.
int ReadStatus(CSerialPort& port, uint8_t& status);
// CMD_INQUIRY then one inquiry reply: 1 with the feeder and flatbed bytes in
// abilities, else -1 and abilities unchanged.
int Inquire(CSerialPort& port, std::array<uint8_t, 2>& abilities);

}  // namespace z8
