#include "debuglog/application_path.h"

namespace z8 {
namespace {

std::string& ApplicationPath() {
    static std::string path;
    return path;
}

}  // namespace

void SetLogApplicationPath(const std::string& modulePath) {
    ApplicationPath() = modulePath;
}

const std::string& LogApplicationPath() {
    return ApplicationPath();
}

}  // namespace z8
