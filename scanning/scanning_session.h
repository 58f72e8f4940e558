#pragma once

#include <functional>
#include <string>

#include "device/serial_device.h"
#include "device/serial_port.h"
#include "platform/clock.h"
#include "platform/global_memory.h"
#include "platform/message_pump.h"
#include "platform/profile_store.h"
#include "platform/registry.h"
#include "platform/string_table.h"
#include "platform/system_paths.h"
#include "scanning/acquisition_run.h"
#include "scanning/scan_job.h"
#include "settings/profile_file.h"
#include "settings/scan_settings.h"

namespace z8 {

// What the scanning session takes from the system; all of it outlives the
// session.
struct ScanningPlatform {
    const SystemPaths& paths;
    ProfileStore& profiles;
    SerialDevice& serial;
    Registry& registry;
    MessagePump& pump;
    Clock& clock;
    GlobalMemory& memory;
    const StringTable& strings;
};

// The scanning session of the loaded source: the scan settings, the profiles
// file, the serial link and the job (the acquired page, the sheet flag, the
// stop request), the start-up query, previews and scans. It lives from load
// to unload; the windows that show it come and go and reach it through the
// commands below, and it reaches them only through the views attached.
class ScanningSession {
public:
    explicit ScanningSession(const ScanningPlatform& platform);
    ScanningSession(const ScanningSession&) = delete;
    ScanningSession& operator=(const ScanningSession&) = delete;

    // Finds the port, asks the scanner what it can do and applies the default
    // profile. Once; it must not run under the loader lock.
    void StartUp();

    CScanSettings& Settings() { return settings_; }
    const CScanSettings& Settings() const { return settings_; }
    ProfileFile& Profiles() { return profiles_; }
    CSerialPort& Link() { return link_; }
    ScanJob& Job() { return job_; }

    // The scanning dialog's window while it exists (null when it goes): the
    // link and the runs keep it alive while they wait.
    void AttachDialog(ScanDialogView* dialog);
    void AttachProgress(ProgressView* progress) { views_.progress = progress; }
    void AttachPreview(PreviewSink* preview) { views_.preview = preview; }
    // Called at the end of every final scan started by Scan.
    void SetTransferReadyHandler(std::function<void()> handler) {
        transferReady_ = std::move(handler);
    }
    // Asked before Scan and Preview start: false keeps the acquired page
    // (a transfer is pending or under way).
    void SetScanGate(std::function<bool()> gate) { scanGate_ = std::move(gate); }
    // What the transfers drive besides the job: the views attached, the
    // system services.
    const ScanViews& Views() const { return views_; }
    const ScanningPlatform& Platform() const { return platform_; }

    // The user's commands. Scan and Preview open the link around a run (and
    // report when it cannot be opened); neither starts while a run is going
    // or the gate is closed.
    void Scan();
    void Preview();
    // Cancel stores the settings as the default profile.
    void StoreDefaultProfile();
    void RequestStop() { job_.abortRequested = 1; }
    void OnBusyTimer() { AdvanceBusyBar(Context()); }
    void ShowScanMessage(const std::string& text) { z8::ShowScanMessage(Context(), text); }

    // The engine's steps, for the callers that sequence them themselves.
    void PreparePreview();
    void PrepareScan();
    ScanResult RunAcquisition(bool checkFirst);
    bool Running() const { return running_; }

private:
    AcquisitionContext Context();
    bool MayStart() const { return !running_ && (!scanGate_ || scanGate_()); }

    ScanningPlatform platform_;
    CScanSettings settings_;
    ProfileFile profiles_;
    CSerialPort link_;
    ScanJob job_;
    ScanViews views_;
    std::function<void()> transferReady_;
    std::function<bool()> scanGate_;
    bool started_ = false;
    bool running_ = false;
};

}  // namespace z8
