#include "scanning/global_copy.h"

#include <cstring>

namespace z8 {

GlobalHandle CopyToGlobal(GlobalMemory& memory, const uint8_t* address, uint64_t count) {
    if (address == nullptr || count == 0 || count > SIZE_MAX) return nullptr;
    GlobalHandle block = memory.Allocate(static_cast<size_t>(count));
    if (block == nullptr) return nullptr;
    void* target = memory.Lock(block);
    if (target == nullptr) {
        memory.Free(block);
        return nullptr;
    }
    std::memcpy(target, address, static_cast<size_t>(count));
    memory.Unlock(block);
    return block;
}

std::unique_ptr<Image> ImageFromCopy(GlobalMemory& memory, const uint8_t* address, uint64_t count) {
    GlobalHandle block = CopyToGlobal(memory, address, count);
    if (block == nullptr) return nullptr;
    auto image = Image::FromPackedDib(memory, block);
    if (!image) memory.Free(block);
    return image;
}

}  // namespace z8
