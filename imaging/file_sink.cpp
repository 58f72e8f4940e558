#include "imaging/file_sink.h"

namespace z8 {

FileSink::FileSink(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
    if (file_)
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
}

FileSink::~FileSink() {
    if (file_)
        std::fclose(file_);
}

void FileSink::Write(const void* data, std::size_t size) {
    if (!Ok() || size == 0)
        return;
    ok_ = std::fwrite(data, 1, size, file_) == size;
    position_ += size;
}

void FileSink::Patch(std::uint32_t offset, const void* data, std::size_t size) {
    if (!Ok())
        return;
    ok_ = std::fflush(file_) == 0 && std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0 &&
          std::fwrite(data, 1, size, file_) == size && std::fseek(file_, 0, SEEK_END) == 0;
}

bool FileSink::Close() {
    if (!file_)
        return false;
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok_ && flushed && closed;
}

}  // namespace z8
