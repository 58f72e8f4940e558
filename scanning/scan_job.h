#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "device/scan_parameter_block.h"
#include "imaging/image.h"
#include "scanning/page_dib.h"

namespace z8 {

// The outcome of a run: success, a scanner status passed through, a link or
// protocol failure, or a stop by the user.
using ScanResult = uint8_t;
inline constexpr ScanResult kScanSucceeded = 0;
inline constexpr ScanResult kScanFailed = 0x20;
inline constexpr ScanResult kScanStopped = 0x86;

// The last final page with the layout it was scanned in, so that the
// transfers describe and deliver it as it is, whatever the settings say later.
struct AcquiredPage {
    std::unique_ptr<Image> image;
    PageLayout layout;
};

// What the scanning session knows of the scanner and of the current job.
struct ScanJob {
    uint8_t previewScan = 0;     // 1 while a preview runs
    uint8_t abortRequested = 0;  // the stop button was pressed
    uint8_t lastStatus = 0;      // the last status byte read
    // Feeder and flatbed bytes of the start-up inquiry.
    std::array<uint8_t, 2> abilities{};
    ScanParameterBlock scanParameters;  // the block sent last
    // 1 when the last feeder page ended with a sheet waiting.
    uint8_t sheetReady = 0;
    AcquiredPage acquired;  // none: acquired.image is null
    // Final pages accepted so far: a transfer that started on one page knows
    // when another has replaced it.
    uint32_t pagesAcquired = 0;
};

}  // namespace z8
