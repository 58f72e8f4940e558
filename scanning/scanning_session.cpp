#include "scanning/scanning_session.h"

#include "resources/string_ids.h"
#include "scanning/scan_preparation.h"
#include "scanning/startup_setup.h"

namespace z8 {

ScanningSession::ScanningSession(const ScanningPlatform& platform)
    : platform_(platform),
      settings_(platform.paths),
      profiles_(platform.profiles, platform.strings.Load(res::kStrProfileDefault)),
      link_(platform.serial, platform.registry, &platform.pump) {}

void ScanningSession::StartUp() {
    if (started_) return;
    started_ = true;
    link_.FindComPort();
    if (link_.Open()) {
        const DeviceSetup current = CurrentDeviceSetup(settings_);
        const StartupAnswers answers = QueryScanner(link_, settings_.FeederAvailable());
        StoreDeviceSetup(ApplyStartupAnswers(answers, current), settings_);
        if (answers.abilities) job_.abilities = *answers.abilities;
        if (answers.status) job_.lastStatus = *answers.status;
        link_.Close();
    }
    profiles_.ApplyProfile(kDefaultProfileIndex, settings_);
}

void ScanningSession::AttachDialog(ScanDialogView* dialog) {
    views_.dialog = dialog;
    // Only a shown dialog is kept alive by the link's waits.
    link_.SetPumpWindow(dialog != nullptr && settings_.ShowUI() != 0 ? dialog->Window() : nullptr);
}

AcquisitionContext ScanningSession::Context() {
    return AcquisitionContext{job_,
                              settings_,
                              link_,
                              views_,
                              platform_.pump,
                              platform_.clock,
                              platform_.memory,
                              platform_.strings,
                              transferReady_};
}

void ScanningSession::Scan() {
    if (!MayStart()) return;
    if (!link_.Open()) {
        ShowScanMessage(platform_.strings.Load(res::kStrCannotCommunicate));
        return;
    }
    job_.previewScan = 0;
    profiles_.StoreProfile(profiles_.DefaultName(), settings_);
    PrepareScan();
    RunAcquisition(true);
    link_.Close();
}

void ScanningSession::Preview() {
    if (!MayStart()) return;
    if (!link_.Open()) {
        ShowScanMessage(platform_.strings.Load(res::kStrCannotCommunicate));
        return;
    }
    // A source that previews in colour scans the preview in colour whatever
    // the pixel type chosen.
    const TW_UINT16 pixelType = settings_.PixelType();
    const bool colourPreview = settings_.PreviewColourKind() == 2;
    if (colourPreview) settings_.SetPixelType(TWPT_RGB);
    PreparePreview();
    job_.previewScan = 1;
    RunAcquisition(true);
    job_.previewScan = 0;
    if (colourPreview) settings_.SetPixelType(pixelType);
    link_.Close();
}

void ScanningSession::StoreDefaultProfile() {
    profiles_.StoreProfile(profiles_.DefaultName(), settings_);
}

void ScanningSession::PreparePreview() {
    job_.scanParameters = PreviewBlock(settings_, job_.scanParameters);
}

void ScanningSession::PrepareScan() {
    job_.scanParameters = FinalBlock(settings_, job_.scanParameters);
}

ScanResult ScanningSession::RunAcquisition(bool checkFirst) {
    running_ = true;
    const ScanResult result = z8::RunAcquisition(Context(), checkFirst);
    running_ = false;
    return result;
}

}  // namespace z8
