// The exported entry of the data source and the library's attach/detach.
#include <windows.h>

#include "datasource/data_source.h"
#include "datasource/source_identity.h"
#include "platform/win32/string_table_win32.h"

namespace {

z8::DataSourceState g_state;
z8::Win32StringTable g_strings(nullptr);

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        g_strings.SetModule(instance);
        try {
            g_state.sourceIdentity = z8::MakeSourceIdentity(g_strings);
        } catch (...) {
            return FALSE;
        }
    }
    return TRUE;
}

extern "C" TW_UINT16 TW_CALLINGSTYLE DS_Entry(pTW_IDENTITY pOrigin, TW_UINT32 DG, TW_UINT16 DAT,
                                              TW_UINT16 MSG, TW_MEMREF pData) {
    try {
        return z8::HandleTriplet(g_state, pOrigin, DG, DAT, MSG, pData);
    } catch (...) {
        // Nothing may escape into the application.
        g_state.conditionCode = TWCC_BUMMER;
        return TWRC_FAILURE;
    }
}
