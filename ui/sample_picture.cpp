#include "ui/sample_picture.h"

namespace z8::ui {

std::string SamplePicturePath(const std::string& windowsDirectory) {
    std::string path = windowsDirectory;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path + "\\twain_32\\z8twain\\zevodaz.bmp";
}

}  // namespace z8::ui
