// The library's start-up and shut-down, and the exported entry.
#include <windows.h>

#include <memory>

#include "datasource/data_source.h"
#include "datasource/manager_link_win32.h"
#include "datasource/ruler_unit.h"
#include "datasource/source_identity.h"
#include "datasource/source_ui_win32.h"
#include "platform/win32/global_memory_win32.h"
#include "platform/win32/string_table_win32.h"
#include "ui/framework/module_state.h"
#include "ui/scanner_dialog.h"

namespace {

// The application object of the library: what lives from load to unload.
class CDataSourceApp {
public:
    bool InitInstance(HINSTANCE instance);
    void ExitInstance();
    z8::DataSource* Source() { return source_.get(); }
    z8::ui::CScannerDialog* Dialog() { return dialog_.get(); }

private:
    HINSTANCE resourceLibrary_ = nullptr;
    HINSTANCE previousResources_ = nullptr;
    HANDLE instanceMutex_ = nullptr;
    z8::Win32ManagerLink manager_;
    z8::GlobalMemoryWin32 memory_;
    std::unique_ptr<z8::ui::CScannerDialog> dialog_;
    std::unique_ptr<z8::Win32SourceUi> ui_;
    std::unique_ptr<z8::DataSource> source_;
};

CDataSourceApp g_app;

bool CDataSourceApp::InitInstance(HINSTANCE instance) {
    z8::ui::SetInstanceModule(instance);
    // Only resources are taken from the library, so it is mapped as data: no
    // code of it runs under the loader lock.
    resourceLibrary_ = LoadLibraryExA("twainZ8.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (resourceLibrary_ != nullptr) {
        previousResources_ = z8::ui::ResourceModule();
        z8::ui::SetResourceModule(resourceLibrary_);
    } else {
        OutputDebugStringA("resources library not found or french OS\n");
    }

    z8::Win32StringTable strings(z8::ui::ResourceModule());
    const TW_IDENTITY identity = z8::MakeSourceIdentity(strings);

    instanceMutex_ = CreateMutexA(nullptr, FALSE, identity.ProductName);
    if (instanceMutex_ == nullptr) return false;
    // Another process has the source loaded: this one does not load it.
    if (GetLastError() == ERROR_ALREADY_EXISTS) return false;

    dialog_ = std::make_unique<z8::ui::CScannerDialog>([this] { source_->NotifyCloseRequest(); });
    ui_ = std::make_unique<z8::Win32SourceUi>(*dialog_);
    source_ = std::make_unique<z8::DataSource>(*ui_, manager_, memory_);
    source_->state.sourceIdentity = identity;
    dialog_->Settings().SetRulerUnit(z8::RulerUnitForLanguage(GetUserDefaultLangID()));
    return true;
}

void CDataSourceApp::ExitInstance() {
    source_.reset();
    ui_.reset();
    dialog_.reset();
    if (resourceLibrary_ != nullptr) {
        if (previousResources_ != nullptr) z8::ui::SetResourceModule(previousResources_);
        FreeLibrary(resourceLibrary_);
        resourceLibrary_ = nullptr;
    }
    if (instanceMutex_ != nullptr) {
        CloseHandle(instanceMutex_);
        instanceMutex_ = nullptr;
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    try {
        if (reason == DLL_PROCESS_ATTACH) {
            DisableThreadLibraryCalls(instance);
            if (!g_app.InitInstance(instance)) {
                g_app.ExitInstance();
                return FALSE;
            }
        } else if (reason == DLL_PROCESS_DETACH) {
            g_app.ExitInstance();
        }
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" TW_UINT16 TW_CALLINGSTYLE DS_Entry(pTW_IDENTITY pOrigin, TW_UINT32 DG, TW_UINT16 DAT,
                                              TW_UINT16 MSG, TW_MEMREF pData) {
    z8::DataSource* source = g_app.Source();
    if (source == nullptr) return TWRC_FAILURE;
    try {
        // The manager's discovery only asks for the identity; everything else
        // needs the dialog object's start-up work, done here rather than under
        // the loader lock.
        if (!(DG == DG_CONTROL && DAT == DAT_IDENTITY && MSG == MSG_GET)) g_app.Dialog()->StartUp();
        return source->Entry(pOrigin, DG, DAT, MSG, pData);
    } catch (...) {
        // Nothing may escape into the application.
        source->state.conditionCode = TWCC_BUMMER;
        return TWRC_FAILURE;
    }
}
