#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "device/scan_parameter_block.h"
#include "tools/emulator/emulator_script.h"
#include "tools/emulator/line_pattern.h"

namespace z8::emu {

// Requests carry at most the parameter block; a longer length is garbage.
inline constexpr uint32_t kLargestRequest = 64;

// One thing the scanner does on the line.
struct Action {
    enum class Kind { Send, Stall, HangUp };
    Kind kind = Kind::Send;
    // Send: one whole frame, header and payload; HangUp: bytes sent before
    // the line closes (the start of a frame, or none)
    std::vector<uint8_t> frame;
    uint32_t ms = 0;  // Stall
};

// The scanner's side of the protocol, without the line: it takes whole
// requests and queues what it answers; pages are produced band by band as
// the line asks for them, so a page of any size costs one band of memory.
//
//   status      reply 0x30: the next scripted status, then the ready status
//   inquiry     reply 0x37: feeder and flatbed bytes
//   abort       drops what is queued, reply 0x30 with the ready status
//   parameters  refusal 0x35 with SCAN_ERREUR_PARAM (a block the scanner
//               cannot scan: mode not 0/1/3, bits not matching, a resolution
//               of 0, an empty area, a line over 65,998 bytes, an absent
//               source), SCAN_ATTENTE_FEUILLE (feeder empty) or the scripted
//               refusal; else 0x32, geometry 0x34 (the block), bands 0x33,
//               end of page 0x35
// Any other request is ignored.
class ScannerModel {
public:
    explicit ScannerModel(Script script);

    void Receive(uint16_t code, std::span<const uint8_t> payload);
    // The next action; none while there is nothing to send.
    std::optional<Action> Next();

    uint32_t PagesScanned() const { return pagesScanned_; }

private:
    // Queued work: an action, or the bands of rows [fromRow, toRow) of the
    // current page.
    struct Item {
        Action action;
        bool bands = false;
        uint32_t fromRow = 0;
        uint32_t toRow = 0;
    };

    uint8_t ReadyStatus() const;
    void Reply(uint16_t code, std::vector<uint8_t> payload);
    void Queue(Action action);
    void QueueBands(uint32_t fromRow, uint32_t toRow);
    void StartPage(const ScanParameterBlock& block);
    std::optional<uint8_t> Refusal(const ScanParameterBlock& block) const;
    uint32_t RowsPerBand() const;
    std::vector<uint8_t> BandFrame(uint32_t fromRow, uint32_t rows) const;
    // The page's bands up to one chosen by the line pattern, then the line
    // closing inside that band.
    void DropInsideABand(uint32_t height);

    Script script_;
    size_t nextStatus_ = 0;
    uint32_t sheets_;
    uint32_t pagesScanned_ = 0;
    ScanParameterBlock page_;
    bool shortLines_ = false;  // the current page's lines lose their last byte
    std::deque<Item> queue_;
    LinePattern pattern_;
};

// A whole frame: header then payload.
std::vector<uint8_t> MakeFrame(uint16_t code, std::span<const uint8_t> payload);

}  // namespace z8::emu
