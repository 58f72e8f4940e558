// BMP files as the sample picture loader reads them: any bytes give an image
// or nothing, never a read outside the input; what loads survives the
// operations the display path runs on it.
#include <cstddef>
#include <cstdint>

#include "imaging/bmp_file.h"
#include "imaging/reduce.h"
#include "imaging/resample.h"
#include "platform/global_memory_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    z8::GlobalMemoryTable memory;
    auto image = z8::LoadBmpFromMemory(memory, data, size);
    if (image && static_cast<std::int64_t>(image->Width()) * image->Height() <= (1 << 20)) {
        auto copy = z8::CopyAtSize(*image, 17, 9);
        if (copy)
            z8::ReduceToBlackAndWhite(*copy);
    }
    image.reset();
    if (memory.LiveBlocks() != 0)
        __builtin_trap();
    return 0;
}
