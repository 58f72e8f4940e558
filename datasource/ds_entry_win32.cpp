// The library's start-up and shut-down, and the exported entry.
#include <windows.h>

#include <memory>

#include "datasource/data_source.h"
#include "datasource/manager_modules_win32.h"
#include "datasource/manager_route.h"
#include "datasource/ruler_unit.h"
#include "datasource/source_identity.h"
#include "datasource/source_ui_win32.h"
#include "device/serial_device_win32.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/global_memory_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/profile_store_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_paths_win32.h"
#include "scanning/scanning_session.h"
#include "ui/framework/application.h"
#include "ui/framework/module_state.h"
#include "ui/scanner_dialog.h"

namespace z8 {
namespace {

// The system services the source runs on.
struct Win32Services {
    Win32SystemPaths paths;
    Win32ProfileStore profiles;
    Win32SerialDevice serial;
    Win32Registry registry;
    Win32MessagePump pump;
    Win32Clock clock;
    GlobalMemoryWin32 memory;
};

// The application object of the library: what lives from load to unload. It
// composes the scanning session, the TWAIN core and the dialog; the window
// owns none of them.
class CDataSourceApp final : public CApplication {
public:
    bool InitInstance() override;
    int ExitInstance() override;
    DataSource* Source() { return source_.get(); }
    ScanningSession* Session() { return session_.get(); }

private:
    HINSTANCE resourceLibrary_ = nullptr;
    HINSTANCE previousResources_ = nullptr;
    HANDLE instanceMutex_ = nullptr;
    Win32Services services_;
    Win32ManagerModules managerModules_;
    ManagerRoute manager_{managerModules_, services_.paths};
    std::unique_ptr<ScanningSession> session_;
    std::unique_ptr<ui::CScannerDialog> dialog_;
    std::unique_ptr<Win32SourceUi> ui_;
    std::unique_ptr<DataSource> source_;
};

CDataSourceApp theApp;

bool CDataSourceApp::InitInstance() {
    ui::SetInstanceModule(Instance());
    // Only resources are taken from the library, so it is mapped as data: no
    // code of it runs under the loader lock.
    resourceLibrary_ = LoadLibraryExA("twainZ8.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (resourceLibrary_ != nullptr) {
        previousResources_ = ui::ResourceModule();
        ui::SetResourceModule(resourceLibrary_);
    } else {
        OutputDebugStringA("resources library not found or french OS\n");
    }
    const TW_IDENTITY identity = MakeSourceIdentity(ui::ResourceStrings());

    instanceMutex_ = CreateMutexA(nullptr, FALSE, identity.ProductName);
    if (instanceMutex_ == nullptr) return false;
    // Another process has the source loaded: this one does not load it.
    if (GetLastError() == ERROR_ALREADY_EXISTS) return false;

    session_ = std::make_unique<ScanningSession>(
        ScanningPlatform{services_.paths, services_.profiles, services_.serial, services_.registry,
                         services_.pump, services_.clock, services_.memory, ui::ResourceStrings()});
    dialog_ =
        std::make_unique<ui::CScannerDialog>(*session_, [this] { source_->NotifyCloseRequest(); });
    ui_ = std::make_unique<Win32SourceUi>(*dialog_, *session_);
    source_ = std::make_unique<DataSource>(*session_, *ui_, manager_, services_.memory);
    source_->state.sourceIdentity = identity;
    session_->Settings().SetRulerUnit(RulerUnitForLanguage(GetUserDefaultLangID()));
    return true;
}

int CDataSourceApp::ExitInstance() {
    source_.reset();
    ui_.reset();
    dialog_.reset();
    session_.reset();
    if (resourceLibrary_ != nullptr) {
        if (previousResources_ != nullptr) ui::SetResourceModule(previousResources_);
        FreeLibrary(resourceLibrary_);
        resourceLibrary_ = nullptr;
    }
    if (instanceMutex_ != nullptr) {
        CloseHandle(instanceMutex_);
        instanceMutex_ = nullptr;
    }
    return 1;
}

}  // namespace
}  // namespace z8

#ifdef __GLIBCXX__
// libstdc++'s own release of what it keeps for the life of a process (its
// emergency buffer for exceptions), declared by no header.
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            DisableThreadLibraryCalls(instance);
            z8::theApp.AttachModule(instance);
            if (!z8::theApp.InitInstance()) {
                z8::theApp.ExitInstance();
                return FALSE;
            }
        } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
            // At process exit (reserved set) the other threads are gone and
            // the system takes everything back: nothing to do.
            z8::theApp.ExitInstance();
#ifdef __GLIBCXX__
            // Managers load and free a source several times a session: what
            // the runtime keeps would otherwise pile up at each unload.
            __gnu_cxx::__freeres();
#endif
        }
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" TW_UINT16 TW_CALLINGSTYLE DS_Entry(pTW_IDENTITY pOrigin, TW_UINT32 DG, TW_UINT16 DAT,
                                              TW_UINT16 MSG, TW_MEMREF pData) {
    z8::DataSource* source = z8::theApp.Source();
    if (source == nullptr) return TWRC_FAILURE;
    try {
        // The manager's discovery only asks for the identity; everything else
        // needs the session's start-up work, done here rather than under the
        // loader lock.
        if (!(DG == DG_CONTROL && DAT == DAT_IDENTITY && MSG == MSG_GET)) {
            z8::theApp.Session()->StartUp();
        }
        return source->Entry(pOrigin, DG, DAT, MSG, pData);
    } catch (...) {
        // Nothing may escape into the application.
        source->state.conditionCode = TWCC_BUMMER;
        return TWRC_FAILURE;
    }
}
