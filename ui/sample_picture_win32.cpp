#include <windows.h>

#include "imaging/bmp_file.h"
#include "platform/win32/global_memory_win32.h"
#include "ui/sample_picture.h"

namespace z8::ui {
namespace {

// The Windows directory at whatever length the system gives, asked for its
// size first.
std::string WindowsDirectory() {
    const UINT needed = GetWindowsDirectoryA(nullptr, 0);
    if (needed == 0) return std::string();
    std::string directory(needed, '\0');
    const UINT length = GetWindowsDirectoryA(directory.data(), needed);
    if (length == 0 || length >= needed) return std::string();
    directory.resize(length);
    return directory;
}

// The image keeps its pixels in this memory for as long as it lives. Built with
// the library, not at first use (see SystemClock).
GlobalMemoryWin32 g_pictureMemory;

}  // namespace

std::unique_ptr<Image> LoadSamplePicture() {
    const std::string directory = WindowsDirectory();
    if (directory.empty()) return nullptr;
    return LoadBmpFile(g_pictureMemory, SamplePicturePath(directory));
}

}  // namespace z8::ui
