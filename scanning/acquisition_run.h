#pragma once

#include <functional>
#include <optional>
#include <string>

#include "device/serial_port.h"
#include "platform/clock.h"
#include "platform/global_memory.h"
#include "platform/message_pump.h"
#include "platform/string_table.h"
#include "scanning/scan_job.h"
#include "scanning/scan_views.h"
#include "settings/scan_settings.h"

namespace z8 {

// The windows a run reports to; each may be absent.
struct ScanViews {
    ScanDialogView* dialog = nullptr;
    ProgressView* progress = nullptr;
    PreviewSink* preview = nullptr;
};

// Everything one run works with; the scanning session owns it all.
struct AcquisitionContext {
    ScanJob& job;
    CScanSettings& settings;
    CSerialPort& link;
    const ScanViews& views;
    MessagePump& pump;
    Clock& clock;
    GlobalMemory& memory;
    const StringTable& strings;
    // State 6 and MSG_XFERREADY, after a final scan started with checkFirst.
    const std::function<void()>& transferReady;
};

// One preview or page scan from start to end over the open link: the
// readiness check (when checkFirst), the parameter block of job.scanParameters,
// the geometry and the bands into a DIB, progress, the stop requests, then the
// preview picture or the acquired page (adjusted), clean-up and the report.
// Every failure that leaves the scanner sending ends with CMD_ABORT.
ScanResult RunAcquisition(const AcquisitionContext& context, bool checkFirst);

// The text the user is shown for a result, if any: nothing for success, the
// end statuses 3 to 6 and a stop; "Défaut du scanner" for a failure or the fax
// side taking the device; else "Défaut du scanner : code 0x84".
std::optional<std::string> ResultMessage(ScanResult result, const StringTable& strings);

// A message box with the interface shown; else, when indicators are wanted,
// the progress window for five seconds; else nothing.
void ShowScanMessage(const AcquisitionContext& context, const std::string& text);

// Timer 1: the dialog's bar advances one step, wrapping to 0 past 100.
void AdvanceBusyBar(const AcquisitionContext& context);

}  // namespace z8
