#include "datasource/transfer_setup.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/dib_format.h"

namespace z8 {
namespace {

constexpr TW_UINT32 kMaxStripBytes = 0x100000;
constexpr TW_UINT32 kPreferredStripBytes = 65535;

constexpr TripletAnswer kBadValue{TWRC_FAILURE, TWCC_BADVALUE};

template <typename Record>
TripletAnswer Write(TW_MEMREF data, const Record& record) {
    if (data == nullptr) return kBadValue;
    std::memcpy(data, &record, sizeof record);
    return {};
}

uint16_t BitsOfPixelType(TW_UINT16 pixelType) {
    switch (pixelType) {
        case TWPT_BW:
            return 1;
        case TWPT_RGB:
            return 24;
        default:
            return 8;
    }
}

// The padded line of the next scan: the selected area's width, as the
// parameter block will ask for it, at the pixel type's depth.
uint64_t NextLineBytes(const CScanSettings& settings) {
    const int width = settings.RightInPixels() - settings.LeftInPixels();
    return PaddedRowBytes(static_cast<uint64_t>(std::max(width, 0)),
                          BitsOfPixelType(settings.PixelType()));
}

TW_UINT16 PixelTypeOf(const Image& page, bool inverted) {
    return DescribePage(page, inverted).PixelType;
}

TW_PALETTE8 GreyRamp(TW_UINT16 paletteType) {
    TW_PALETTE8 palette{};
    palette.NumColors = 256;
    palette.PaletteType = paletteType;
    for (int i = 0; i < 256; ++i) {
        const auto level = static_cast<TW_UINT8>(i);
        palette.Colors[i] = TW_ELEMENT8{level, level, level, level};
    }
    return palette;
}

}  // namespace

TW_INT16 WholeDpi(int32_t pelsPerMeter) {
    // The DIB holds the whole dots per inch × 39.37, truncated: a fraction of
    // a metre's pel off, far less than half a dot per inch.
    const long dpi = std::lround(pelsPerMeter * 0.0254);
    return static_cast<TW_INT16>(std::clamp<long>(dpi, 0, INT16_MAX));
}

TW_IMAGEINFO DescribePage(const Image& page, bool inverted) {
    const ImageHeader header = page.Header();
    TW_IMAGEINFO info{};
    info.XResolution = TW_FIX32{WholeDpi(header.xPelsPerMeter), 0};
    info.YResolution = TW_FIX32{WholeDpi(header.yPelsPerMeter), 0};
    info.ImageWidth = page.Width();
    info.ImageLength = page.Height();
    info.BitsPerPixel = static_cast<TW_INT16>(page.BitCount());
    info.Planar = 0;  // chunky
    info.Compression = TWCP_NONE;
    if (page.BitCount() >= 24) {
        info.SamplesPerPixel = 3;
        for (int i = 0; i < 4; ++i)
            info.BitsPerSample[i] = 8;
        info.PixelType = TWPT_RGB;
    } else {
        info.SamplesPerPixel = 1;
        info.BitsPerSample[0] = info.BitsPerPixel;
        info.PixelType = page.BitCount() == 1 ? TWPT_BW : inverted ? TWPT_PALETTE : TWPT_GRAY;
    }
    return info;
}

TripletAnswer SetupMemoryTransfer(const SetupContext& context, TW_MEMREF data) {
    const uint64_t line = context.pendingPage != nullptr ? context.pendingPage->BytesPerLine()
                                                         : NextLineBytes(context.settings);
    TW_SETUPMEMXFER setup{};
    setup.MinBufSize = static_cast<TW_UINT32>(std::min<uint64_t>(line, UINT32_MAX));
    setup.MaxBufSize = kMaxStripBytes;
    setup.Preferred = std::max(setup.MinBufSize, kPreferredStripBytes);
    return Write(data, setup);
}

TripletAnswer SetupFileTransfer(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data) {
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_SET: {
            if (data == nullptr) return kBadValue;
            TW_SETUPFILEXFER request;
            std::memcpy(&request, data, sizeof request);
            settings.SetFileName(request.FileName);
            settings.SetImageFileFormat(request.Format);
            return {};
        }
        case MSG_RESET:
            settings.ResetFileName(context.paths);
            return {};
        case MSG_GETDEFAULT:
            if (data == nullptr) return kBadValue;
            settings.ResetFileName(context.paths);
            break;
        default:  // MSG_GET, MSG_GETCURRENT
            break;
    }
    TW_SETUPFILEXFER setup{};
    const char* name = settings.FileName();
    std::memcpy(setup.FileName, name, strnlen(name, sizeof setup.FileName - 1));
    setup.Format = settings.ImageFileFormat();
    setup.VRefNum = 0;
    return Write(data, setup);
}

TripletAnswer TransferGroup(TW_UINT16 msg, TW_MEMREF data) {
    if (msg == MSG_SET) return {};
    const TW_UINT32 group = DG_IMAGE;
    return Write(data, group);
}

TripletAnswer Palette(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data) {
    if (msg != MSG_GET) return {};
    if (data == nullptr) return kBadValue;
    const Image* page = context.pendingPage;
    const TW_UINT16 pixelType = page != nullptr ? PixelTypeOf(*page, context.settings.Invert() != 0)
                                                : context.settings.PixelType();
    switch (pixelType) {
        case TWPT_BW:
            return {};
        case TWPT_RGB:
            return Write(data, GreyRamp(TWPA_RGB));
        default: {
            TW_PALETTE8 palette = GreyRamp(TWPA_GRAY);
            if (page != nullptr && page->BitCount() == 8) {
                const auto table = page->Palette();
                for (size_t i = 0; i < table.size(); ++i) {
                    const TW_UINT8 red = table[i].red;
                    palette.Colors[i] = TW_ELEMENT8{static_cast<TW_UINT8>(i), red, red, red};
                }
            }
            return Write(data, palette);
        }
    }
}

TripletAnswer ImageInformation(const SetupContext& context, TW_MEMREF data) {
    if (data == nullptr) return kBadValue;
    if (context.pendingPage == nullptr) {
        Write(data, TW_IMAGEINFO{});
        return {TWRC_CANCEL, TWCC_BUMMER};
    }
    return Write(data, DescribePage(*context.pendingPage, context.settings.Invert() != 0));
}

TripletAnswer ImageLayout(const SetupContext& context, TW_UINT16 msg, TW_MEMREF data) {
    if (data == nullptr) return kBadValue;
    CScanSettings& settings = context.settings;
    switch (msg) {
        case MSG_GET:
        case MSG_GETDEFAULT:
            return Write(data, settings.GetPhysicalLayout());
        case MSG_GETCURRENT:
            return Write(data, settings.GetLayout());
        case MSG_SET: {
            TW_IMAGELAYOUT layout;
            std::memcpy(&layout, data, sizeof layout);
            settings.SetLayout(layout);
            return {};
        }
        default:  // MSG_RESET
            settings.ResetLayout();
            return Write(data, settings.GetLayout());
    }
}

}  // namespace z8
