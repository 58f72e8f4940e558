#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace z8 {

// Buffered output to a new file that remembers its first failure, so writers
// can write on and check once at the end.
class FileSink {
public:
    explicit FileSink(const std::string& path);
    ~FileSink();
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool Ok() const { return file_ != nullptr && ok_; }
    void Write(const void* data, std::size_t size);
    // Rewrites bytes already written (a header field known only at the end).
    void Patch(std::uint32_t offset, const void* data, std::size_t size);
    std::uint64_t Position() const { return position_; }
    // Flushes and closes; true when every byte reached the file.
    bool Close();

private:
    std::FILE* file_;
    bool ok_ = true;
    std::uint64_t position_ = 0;
};

// Moves the file from onto to, replacing what was there (in one step where
// the system allows it); false when it could not.
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace z8
