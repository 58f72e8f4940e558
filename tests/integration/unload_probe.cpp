// unload_probe SOURCE.ds: loads a source as an application's process would
// without the manager, opens it, enables it with its dialog (the progress
// thread starts), then unloads it while it is still enabled, as an
// application that forgets MSG_DISABLEDS does. Prints "unloaded in N ms",
// then "still running" a second later;
// exit 0 when the unload returned within 5 s, 3 when the source could not be
// loaded or opened, 4 when the unload took longer.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "twain/twain.h"

namespace {

using Entry = TW_UINT16(TW_CALLINGSTYLE*)(pTW_IDENTITY, TW_UINT32, TW_UINT16, TW_UINT16, TW_MEMREF);

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: unload_probe SOURCE.ds\n");
        return 2;
    }
    HMODULE source = LoadLibraryA(argv[1]);
    if (source == nullptr) {
        std::printf("cannot load %s\n", argv[1]);
        return 3;
    }
    const auto entry =
        reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(source, "DS_Entry")));
    TW_IDENTITY app{};
    app.Id = 1;
    std::strcpy(app.ProductName, "unload_probe");
    TW_IDENTITY identity{};
    if (entry == nullptr ||
        entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity) != TWRC_SUCCESS) {
        std::printf("no identity\n");
        return 3;
    }
    identity.Id = 2;
    if (entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &identity) != TWRC_SUCCESS) {
        std::printf("not opened\n");
        return 3;
    }
    TW_USERINTERFACE ui{};
    ui.ShowUI = 1;
    const TW_UINT16 enabled = entry(&app, DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
    std::printf("enabled: rc %u\n", enabled);
    const DWORD start = GetTickCount();
    FreeLibrary(source);
    const DWORD elapsed = GetTickCount() - start;
    std::printf("unloaded in %lu ms\n", static_cast<unsigned long>(elapsed));
    std::fflush(stdout);
    // Whatever the source left running must not fault once its code is gone.
    Sleep(1000);
    std::printf("still running\n");
    return elapsed < 5000 ? 0 : 4;
}
