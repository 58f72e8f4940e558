#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/text_file.h"

namespace z8 {
namespace {

std::string SystemMessage(DWORD code) {
    char buffer[512];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                          buffer[length - 1] == ' ')) {
        --length;
    }
    if (length == 0) {
        return "system error " + std::to_string(code);
    }
    return std::string(buffer, length);
}

}  // namespace

bool TextFile::Open(const std::string& path, Mode mode, std::string& error) {
    const bool keep = mode == Mode::kReadWrite;
    // No sharing: a second writer of the same log is refused while this one runs.
    HANDLE handle =
        CreateFileA(path.c_str(), keep ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE, 0, nullptr,
                    keep ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = SystemMessage(GetLastError());
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_TEXT);
    if (fd == -1) {
        CloseHandle(handle);
        error = "no descriptor for the file";
        return false;
    }
    file_ = _fdopen(fd, keep ? "r+t" : "wt");
    if (file_ == nullptr) {
        _close(fd);
        error = "no stream for the file";
        return false;
    }
    return true;
}

int64_t TextFile::Size() {
    if (file_ == nullptr || std::fflush(file_) != 0) {
        return -1;
    }
    return _filelengthi64(_fileno(file_));
}

bool TextFile::Seek(int64_t offset) {
    return file_ != nullptr && _fseeki64(file_, offset, SEEK_SET) == 0;
}

bool TextFile::Truncate() {
    return file_ != nullptr && std::fflush(file_) == 0 && _chsize_s(_fileno(file_), 0) == 0;
}

int TextFile::LineEndBytes() {
    return 2;
}

}  // namespace z8
