#include "tools/emulator/scanner_model.h"

#include <algorithm>

#include "device/frame.h"
#include "device/scan_status.h"
#include "tools/emulator/page_lines.h"

namespace z8::emu {

namespace {

constexpr uint8_t kSourceFeeder = 0;
constexpr uint8_t kSourceFlatbed = 1;
// The largest line a band can carry in the receive buffer.
constexpr uint32_t kMaxLine = kReceiveBufferSize - 2;

}  // namespace

std::vector<uint8_t> MakeFrame(uint16_t code, std::span<const uint8_t> payload) {
    const auto header = EncodeHeader({code, static_cast<uint32_t>(payload.size())});
    std::vector<uint8_t> frame(header.size() + payload.size());
    std::copy(header.begin(), header.end(), frame.begin());
    std::copy(payload.begin(), payload.end(), frame.begin() + header.size());
    return frame;
}

ScannerModel::ScannerModel(Script script)
    : script_(std::move(script)), sheets_(script_.pages), pattern_(script_.linePattern) {}

uint8_t ScannerModel::ReadyStatus() const {
    if (script_.feeder == 0) {
        return ST_OK;
    }
    return sheets_ > 0 ? SCAN_FEUILLE_PRETE : SCAN_ATTENTE_FEUILLE;
}

void ScannerModel::Queue(Action action) {
    Item item;
    item.action = std::move(action);
    queue_.push_back(std::move(item));
}

void ScannerModel::Reply(uint16_t code, std::vector<uint8_t> payload) {
    Action action;
    action.frame = MakeFrame(code, payload);
    Queue(std::move(action));
}

void ScannerModel::QueueBands(uint32_t fromRow, uint32_t toRow) {
    if (fromRow < toRow) {
        Item item;
        item.bands = true;
        item.fromRow = fromRow;
        item.toRow = toRow;
        queue_.push_back(std::move(item));
    }
}

void ScannerModel::Receive(uint16_t code, std::span<const uint8_t> payload) {
    switch (code) {
        case CMD_STATUS: {
            uint8_t status = ReadyStatus();
            if (nextStatus_ < script_.statuses.size()) {
                status = script_.statuses[nextStatus_++];
            }
            Reply(kReplyStatus, {status});
            break;
        }
        case CMD_INQUIRY:
            Reply(kReplyInquiry, {script_.feeder, script_.flatbed});
            break;
        case CMD_ABORT:
            queue_.clear();
            Reply(kReplyStatus, {ReadyStatus()});
            break;
        case CMD_SET_PARAMETERS: {
            if (payload.size() != kScanParameterBlockSize) {
                Reply(kReplyEndOfPage, {SCAN_ERREUR_PARAM});
                break;
            }
            const ScanParameterBlock block = DecodeBlock(
                std::span<const uint8_t, kScanParameterBlockSize>(payload.data(), payload.size()));
            if (const auto refusal = Refusal(block)) {
                Reply(kReplyEndOfPage, {*refusal});
                break;
            }
            StartPage(block);
            break;
        }
        default:
            break;
    }
}

std::optional<uint8_t> ScannerModel::Refusal(const ScanParameterBlock& block) const {
    if (script_.refuse >= 0) {
        return static_cast<uint8_t>(script_.refuse);
    }
    const bool modeOk =
        (block.mode == kModeBlackWhite && block.bitsPerSample == 1) ||
        ((block.mode == kModeGrey || block.mode == kModeColour) && block.bitsPerSample == 8);
    const uint32_t line = LineLength(block);
    if (!modeOk || block.xResolution == 0 || block.yResolution == 0 || block.bottom <= block.top ||
        line == 0 || line > kMaxLine) {
        return SCAN_ERREUR_PARAM;
    }
    if (block.source == kSourceFlatbed) {
        return script_.flatbed == 0 ? std::optional<uint8_t>(SCAN_ERREUR_PARAM) : std::nullopt;
    }
    if (block.source != kSourceFeeder || script_.feeder == 0) {
        return SCAN_ERREUR_PARAM;
    }
    return sheets_ == 0 ? std::optional<uint8_t>(SCAN_ATTENTE_FEUILLE) : std::nullopt;
}

uint32_t ScannerModel::RowsPerBand() const {
    return std::max<uint32_t>(1, std::min(script_.linesPerBand, kMaxLine / LineLength(page_)));
}

std::vector<uint8_t> ScannerModel::BandFrame(uint32_t fromRow, uint32_t rows) const {
    std::vector<uint8_t> payload{static_cast<uint8_t>(rows), static_cast<uint8_t>(rows >> 8)};
    payload.reserve(2 + size_t{rows} * LineLength(page_));
    for (uint32_t row = fromRow; row < fromRow + rows; ++row) {
        AppendLine(page_, row, payload);
        if (shortLines_) {
            payload.pop_back();
        }
    }
    return MakeFrame(kReplyBand, payload);
}

void ScannerModel::StartPage(const ScanParameterBlock& block) {
    page_ = block;
    ++pagesScanned_;
    uint8_t endStatus = ST_OK;
    if (block.source == kSourceFeeder) {
        --sheets_;
        endStatus = sheets_ > 0 ? SCAN_FEUILLE_PRETE : SCAN_FIN_DOC;
    }
    if (pagesScanned_ <= script_.pageEnds.size()) {
        endStatus = script_.pageEnds[pagesScanned_ - 1];
    }
    const Fault fault = pagesScanned_ == script_.faultPage ? script_.fault : Fault::None;
    shortLines_ = fault == Fault::ShortLines;
    const uint32_t height = uint32_t{block.bottom} - block.top;
    const uint32_t firstBand = std::min(RowsPerBand(), height);

    Reply(kReplyStarted, {});
    if (fault == Fault::BandsFirst) {
        QueueBands(0, firstBand);
    }
    ScanParameterBlock geometry = block;
    if (fault == Fault::ZeroHeight) {
        geometry.bottom = geometry.top;
    }
    const auto echoed = EncodeBlock(geometry);
    Reply(kReplyGeometry, {echoed.begin(), echoed.end()});

    switch (fault) {
        case Fault::BadCode:
            Reply(0x36, {0xDE, 0xAD, 0xBE, 0xEF});
            break;
        case Fault::Oversize: {
            std::vector<uint8_t> payload(kReceiveBufferSize + 2, 0);
            payload[0] = 1;
            Reply(kReplyBand, std::move(payload));
            break;
        }
        case Fault::ZeroLines: {
            std::vector<uint8_t> payload(2 + LineLength(block), 0);
            Reply(kReplyBand, std::move(payload));
            break;
        }
        default:
            break;
    }
    // Faults in the middle of the page come between its two halves.
    const bool midPage =
        fault == Fault::Stall || fault == Fault::HangUp || fault == Fault::SecondGeometry;
    if (fault != Fault::DropLine) QueueBands(0, midPage ? height / 2 : height);
    if (fault == Fault::SecondGeometry) {
        Reply(kReplyGeometry, {echoed.begin(), echoed.end()});
    } else if (midPage) {
        Action pause;
        pause.kind = fault == Fault::Stall ? Action::Kind::Stall : Action::Kind::HangUp;
        pause.ms = script_.stallMs;
        Queue(std::move(pause));
    }
    if (fault == Fault::DropLine) {
        DropInsideABand(height);
        return;
    }
    if (midPage) {
        QueueBands(height / 2, height);
    }
    Reply(kReplyEndOfPage, {endStatus});
}

void ScannerModel::DropInsideABand(uint32_t height) {
    const uint32_t rowsPerBand = RowsPerBand();
    const uint32_t bands = (height + rowsPerBand - 1) / rowsPerBand;
    const uint32_t band = pattern_.Between(0, bands - 1);
    const uint32_t fromRow = band * rowsPerBand;
    QueueBands(0, fromRow);
    Action drop;
    drop.kind = Action::Kind::HangUp;
    drop.frame = BandFrame(fromRow, std::min(rowsPerBand, height - fromRow));
    drop.frame.resize(pattern_.Between(1, static_cast<uint32_t>(drop.frame.size()) - 1));
    Queue(std::move(drop));
}

std::optional<Action> ScannerModel::Next() {
    if (queue_.empty()) {
        return std::nullopt;
    }
    Item& head = queue_.front();
    if (!head.bands) {
        Action action = std::move(head.action);
        queue_.pop_front();
        return action;
    }
    const uint32_t rows = std::min(RowsPerBand(), head.toRow - head.fromRow);
    Action action;
    action.frame = BandFrame(head.fromRow, rows);
    head.fromRow += rows;
    if (head.fromRow == head.toRow) {
        queue_.pop_front();
    }
    return action;
}

}  // namespace z8::emu
