// Packed DIBs in a global block as the acquisition hands them over: any block
// becomes an image (taking the block) or is refused (leaving it untouched);
// what is taken exports again and survives the in-place operations.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "imaging/filters.h"
#include "imaging/image.h"
#include "imaging/mirror.h"
#include "imaging/point_operations.h"
#include "platform/global_memory_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    z8::GlobalMemoryTable memory;
    z8::GlobalHandle block = memory.Allocate(size);
    if (!block)
        return 0;
    std::memcpy(memory.Lock(block), data, size);
    memory.Unlock(block);

    auto image = z8::Image::FromPackedDib(memory, block);
    if (!image) {
        if (memory.LockCount(block) != 0 || std::memcmp(memory.Lock(block), data, size) != 0)
            __builtin_trap();
        memory.Free(block);
        return 0;
    }
    if (static_cast<std::int64_t>(image->Width()) * image->Height() <= (1 << 20)) {
        z8::AdjustChannelIntensity(*image, 50, z8::kMidGreyPivot, z8::kChannelRed);
        z8::Mirror(*image, true, true);
        z8::ApplyFilter(*image, z8::ImageFilter::Descreen);
    }
    z8::GlobalHandle exported = image->ExportPackedDib();
    if (!exported || memory.Size(exported) != image->PackedDib().size())
        __builtin_trap();
    memory.Free(exported);
    image.reset();
    if (memory.LiveBlocks() != 0)
        __builtin_trap();
    return 0;
}
