#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace z8 {

// A file opened in text mode and held without sharing: on Windows every line
// feed written is stored as carriage return and line feed (and read back as a
// line feed), elsewhere as itself. Writes are buffered until Flush or Close.
class TextFile {
public:
    enum class Mode {
        kReadWrite,  // created if absent, contents kept, position at the start
        kWrite,      // created if absent, emptied
    };

    TextFile() = default;
    ~TextFile() { Close(); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // On failure, error describes the cause in the system's words.
    bool Open(const std::string& path, Mode mode, std::string& error);
    bool IsOpen() const { return file_ != nullptr; }
    void Close();

    // The length on disk, in bytes; -1 when it cannot be read.
    int64_t Size();
    bool Seek(int64_t offset);
    // One line without its line feed; false at the end of the file.
    bool ReadLine(std::string& line);
    bool Write(std::string_view text);
    bool Flush();
    // Cuts the file to length 0; the position must be at the start.
    bool Truncate();

    // Bytes a written line feed takes on disk.
    static int LineEndBytes();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace z8
