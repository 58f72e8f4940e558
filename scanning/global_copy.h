#pragma once

#include <cstdint>
#include <memory>

#include "imaging/image.h"
#include "platform/global_memory.h"

namespace z8 {

// A new moveable block holding a copy of count bytes at address; none for a
// null address, a count of 0 or when the memory cannot be had.
GlobalHandle CopyToGlobal(GlobalMemory& memory, const uint8_t* address, uint64_t count);

// An image made of a copy of the packed DIB at address; none (and no block
// left behind) when the copy or the image cannot be made.
std::unique_ptr<Image> ImageFromCopy(GlobalMemory& memory, const uint8_t* address, uint64_t count);

}  // namespace z8
