#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/text_file.h"

namespace z8 {

bool TextFile::Open(const std::string& path, Mode mode, std::string& error) {
    const bool keep = mode == Mode::kReadWrite;
    const int fd =
        ::open(path.c_str(), keep ? O_RDWR | O_CREAT : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd == -1) {
        error = std::strerror(errno);
        return false;
    }
    file_ = ::fdopen(fd, keep ? "r+" : "w");
    if (file_ == nullptr) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    return true;
}

int64_t TextFile::Size() {
    struct stat info {};
    if (file_ == nullptr || std::fflush(file_) != 0 || ::fstat(fileno(file_), &info) != 0) {
        return -1;
    }
    return info.st_size;
}

bool TextFile::Seek(int64_t offset) {
    return file_ != nullptr && ::fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool TextFile::Truncate() {
    return file_ != nullptr && std::fflush(file_) == 0 && ::ftruncate(fileno(file_), 0) == 0;
}

int TextFile::LineEndBytes() {
    return 1;
}

}  // namespace z8
