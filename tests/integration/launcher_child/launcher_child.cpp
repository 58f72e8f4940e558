// The program the launcher tests start: launcher_child MARKER EXIT_CODE DELAY_MS
// writes its current directory and arguments to MARKER, sleeps, adds a line
// "done" and ends with EXIT_CODE. The last line shows that the launcher waited.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 4) {
        return 2;
    }
    FILE* marker = std::fopen(__argv[1], "w");
    if (marker == nullptr) {
        return 3;
    }
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    std::fprintf(marker, "cwd=%s\n", folder);
    for (int i = 1; i < __argc; ++i) {
        std::fprintf(marker, "arg%d=%s\n", i, __argv[i]);
    }
    std::fflush(marker);
    Sleep(static_cast<DWORD>(std::atoi(__argv[3])));
    std::fprintf(marker, "done\n");
    std::fclose(marker);
    return std::atoi(__argv[2]);
}
