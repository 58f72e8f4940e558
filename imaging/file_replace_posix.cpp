#include <cstdio>

#include "imaging/file_sink.h"

namespace z8 {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace z8
