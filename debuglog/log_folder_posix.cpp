#include "debuglog/log_folder.h"

namespace z8 {

std::string DefaultLogFolder() {
    return ".";
}

}  // namespace z8
