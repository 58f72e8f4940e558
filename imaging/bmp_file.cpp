#include "imaging/bmp_file.h"

#include <cstdio>
#include <new>
#include <vector>

namespace z8 {

std::unique_ptr<Image> LoadBmpFromMemory(GlobalMemory& memory, const std::uint8_t* data,
                                         std::size_t size) {
    if (!data || size < kBmpFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return nullptr;
    const std::uint32_t pixelOffset = ReadLe32(data + 10);
    if (pixelOffset < kBmpFileHeaderSize)
        return nullptr;
    const std::uint8_t* dib = data + kBmpFileHeaderSize;
    const auto layout =
        ParseDib(dib, size - kBmpFileHeaderSize, std::size_t{pixelOffset} - kBmpFileHeaderSize);
    if (!layout)
        return nullptr;
    return Image::FromLayout(memory, dib, *layout);
}

std::unique_ptr<Image> LoadBmpFile(GlobalMemory& memory, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    std::unique_ptr<Image> image;
    try {
        std::vector<std::uint8_t> bytes;
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            if (size > 0 && static_cast<std::uint64_t>(size) <= kMaxDibBytes &&
                std::fseek(file, 0, SEEK_SET) == 0) {
                bytes.resize(static_cast<std::size_t>(size));
                if (std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size())
                    image = LoadBmpFromMemory(memory, bytes.data(), bytes.size());
            }
        }
    } catch (const std::bad_alloc&) {
        image.reset();
    }
    std::fclose(file);
    return image;
}

void WriteBmp(FileSink& sink, const Image& image) {
    const auto dib = image.PackedDib();
    std::uint8_t header[kBmpFileHeaderSize] = {'B', 'M'};
    WriteLe32(header + 2, static_cast<std::uint32_t>(kBmpFileHeaderSize + dib.size()));
    const std::size_t pixelOffset = static_cast<std::size_t>(image.Pixels() - dib.data());
    WriteLe32(header + 10, static_cast<std::uint32_t>(kBmpFileHeaderSize + pixelOffset));
    sink.Write(header, sizeof header);
    sink.Write(dib.data(), dib.size());
}

}  // namespace z8
