#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace z8 {

// A binary archive: integers are 32-bit little-endian, a string is its byte
// length followed by its bytes. A failed read or write leaves the archive
// failed; every later operation then fails too.
class Archive {
public:
    static Archive ForStoring(std::ostream& out) {
        Archive archive;
        archive.out_ = &out;
        return archive;
    }
    static Archive ForLoading(std::istream& in) {
        Archive archive;
        archive.in_ = &in;
        return archive;
    }

    bool IsStoring() const { return out_ != nullptr; }
    bool IsOk() const { return ok_; }

    void WriteInt(int32_t value);
    // Flushes the stream after the string.
    void WriteString(std::string_view text);
    bool ReadInt(int32_t& value);
    // A negative length, or fewer bytes than the length, fails.
    bool ReadString(std::string& text);

private:
    Archive() = default;

    std::ostream* out_ = nullptr;
    std::istream* in_ = nullptr;
    bool ok_ = true;
};

}  // namespace z8
