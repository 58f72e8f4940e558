#pragma once

#include <memory>
#include <string>

#include "imaging/image.h"

namespace z8::ui {

// Where the sample picture of the image parameters dialog lives: below the
// Windows directory, beside the installed source. Any length of directory.
std::string SamplePicturePath(const std::string& windowsDirectory);

// The sample picture loaded from there; nothing when it is missing or unreadable.
std::unique_ptr<Image> LoadSamplePicture();

}  // namespace z8::ui
