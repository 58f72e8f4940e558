#include "tools/z8scan/picture_file.h"

#include <algorithm>
#include <array>

namespace z8scan {
namespace {

using Bytes = std::vector<uint8_t>;

void PutLe(Bytes& out, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutBe32(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

Bytes EncodeBmp(const Picture& picture) {
    const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(picture.height);
    constexpr uint32_t kHeaders = 14 + 40;
    Bytes out;
    out.reserve(kHeaders + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, kHeaders + imageSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, kHeaders, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(picture.width), 4);
    PutLe(out, static_cast<uint32_t>(picture.height), 4);  // positive: bottom-up rows
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // BI_RGB
    PutLe(out, imageSize, 4);
    PutLe(out, 3780, 4);  // 96 dpi in pixels per metre
    PutLe(out, 3780, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = picture.height - 1; y >= 0; --y) {
        const uint32_t* row = &picture.pixels[static_cast<size_t>(y) * picture.width];
        for (int x = 0; x < picture.width; ++x)
            PutLe(out, row[x], 3);  // B, G, R
        for (uint32_t pad = static_cast<uint32_t>(picture.width) * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutChunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    PutBe32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBe32(out, Crc32(&out[start], out.size() - start));
}

// A zlib stream of stored deflate blocks (at most 65535 bytes each).
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t size = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + size == raw.size();
        out.push_back(last ? 1 : 0);
        PutLe(out, static_cast<uint32_t>(size), 2);
        PutLe(out, static_cast<uint32_t>(~size & 0xFFFF), 2);
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(offset),
                   raw.begin() + static_cast<ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (const uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBe32(out, (b << 16) | a);
    return out;
}

Bytes EncodePng(const Picture& picture) {
    Bytes raw;
    raw.reserve(static_cast<size_t>(picture.height) * (1 + 3 * static_cast<size_t>(picture.width)));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // no filter
        const uint32_t* row = &picture.pixels[static_cast<size_t>(y) * picture.width];
        for (int x = 0; x < picture.width; ++x) {
            raw.push_back(static_cast<uint8_t>(row[x] >> 16));
            raw.push_back(static_cast<uint8_t>(row[x] >> 8));
            raw.push_back(static_cast<uint8_t>(row[x]));
        }
    }
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBe32(header, static_cast<uint32_t>(picture.width));
    PutBe32(header, static_cast<uint32_t>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filters, not interlaced
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace

std::optional<PictureFormat> PictureFormatFor(std::string_view fileName) {
    if (fileName.size() < 4) return std::nullopt;
    std::string_view ext = fileName.substr(fileName.size() - 4);
    auto same = [&](const char* want) {
        for (size_t i = 0; i < 4; ++i) {
            const char c = ext[i] >= 'A' && ext[i] <= 'Z' ? static_cast<char>(ext[i] + 32) : ext[i];
            if (c != want[i]) return false;
        }
        return true;
    };
    if (same(".bmp")) return PictureFormat::Bmp;
    if (same(".png")) return PictureFormat::Png;
    return std::nullopt;
}

std::vector<uint8_t> EncodePicture(const Picture& picture, PictureFormat format) {
    return format == PictureFormat::Bmp ? EncodeBmp(picture) : EncodePng(picture);
}

}  // namespace z8scan
