#include "platform/text_file.h"

namespace z8 {

void TextFile::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool TextFile::ReadLine(std::string& line) {
    line.clear();
    if (file_ == nullptr) {
        return false;
    }
    int c;
    while ((c = std::fgetc(file_)) != EOF) {
        if (c == '\n') {
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
    return !line.empty();
}

bool TextFile::Write(std::string_view text) {
    return file_ != nullptr && std::fwrite(text.data(), 1, text.size(), file_) == text.size();
}

bool TextFile::Flush() {
    return file_ != nullptr && std::fflush(file_) == 0;
}

}  // namespace z8
