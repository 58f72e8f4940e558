#include "datasource/file_formats.h"

#include <array>

#include "resources/string_ids.h"

namespace z8 {
namespace {

constexpr std::array<FileTypeEntry, 3> kBlackAndWhiteTypes{{
    {FileFormat::Bmp, res::kStrSaveBmpDesc, res::kStrSaveBmpPattern},
    {FileFormat::Tiff, res::kStrSaveTiffDesc, res::kStrSaveTiffPattern},
    {FileFormat::PackBitsTiff, res::kStrSaveTiffPackedDesc, res::kStrSaveTiffPattern},
}};

constexpr std::array<FileTypeEntry, 5> kGreyAndColourTypes{{
    {FileFormat::Bmp, res::kStrSaveBmpDesc, res::kStrSaveBmpPattern},
    {FileFormat::Tiff, res::kStrSaveTiffDesc, res::kStrSaveTiffPattern},
    {FileFormat::JpegLow, res::kStrSaveJpegLowDesc, res::kStrSaveJpegPattern},
    {FileFormat::JpegMedium, res::kStrSaveJpegMediumDesc, res::kStrSaveJpegPattern},
    {FileFormat::JpegHigh, res::kStrSaveJpegHighDesc, res::kStrSaveJpegPattern},
}};

// The longest text the dialog takes per description or pattern, as the
// 256-character buffers they are loaded into.
constexpr size_t kFilterTextMax = 255;

std::optional<std::string> Dpi(int dpi) {
    if (dpi < 1) return std::nullopt;
    return std::to_string(dpi);
}

}  // namespace

std::string_view ExtensionOf(FileFormat format) {
    switch (format) {
        case FileFormat::Bmp:
            return ".bmp";
        case FileFormat::Tiff:
        case FileFormat::PackBitsTiff:
            return ".tif";
        default:
            return ".jpg";
    }
}

std::string_view TypeNameOf(FileFormat format) {
    switch (format) {
        case FileFormat::Bmp:
            return "BMP";
        case FileFormat::Tiff:
        case FileFormat::PackBitsTiff:
            return "TIF";
        default:
            return "JPG";
    }
}

std::vector<FileOption> OptionsOf(FileFormat format, int xDpi, int yDpi) {
    const std::nullopt_t none = std::nullopt;
    switch (format) {
        case FileFormat::Bmp:
            return {};
        case FileFormat::Tiff:
            return {
                {"COMPRESS", "OFF"},       {"TIFF_COMPRESS", none},     {"TIFF_COLORMODEL", none},
                {"TIFF_BYTEFORMAT", none}, {"TIFF_FILLORDER", none},    {"TIFF_XRES", Dpi(xDpi)},
                {"TIFF_YRES", Dpi(yDpi)},  {"TIFF_ROWSPERSTRIP", none}, {"TIFF_COPYRIGHT", none}};
        case FileFormat::PackBitsTiff:
            return {{"COMPRESS", "ON"},          {"TIFF_COMPRESS", "PACKBITS"},
                    {"TIFF_BYTEFORMAT", none},   {"TIFF_FILLORDER", none},
                    {"TIFF_XRES", Dpi(xDpi)},    {"TIFF_YRES", Dpi(yDpi)},
                    {"TIFF_ROWSPERSTRIP", none}, {"TIFF_COPYRIGHT", none}};
        case FileFormat::JpegLow:
            return {{"LOSSY_QUALITY", "30"}};
        case FileFormat::JpegMedium:
            return {{"LOSSY_QUALITY", "60"}};
        case FileFormat::JpegHigh:
            return {{"LOSSY_QUALITY", "90"}};
    }
    return {};
}

WriteOptions MakeWriteOptions(const std::vector<FileOption>& options) {
    WriteOptions set;
    for (const FileOption& option : options)
        set.Set(option.key, option.value ? option.value->c_str() : nullptr);
    return set;
}

std::optional<FileFormat> RequestedFormat(TW_UINT16 imageFileFormat, bool blackAndWhite) {
    switch (imageFileFormat) {
        case TWFF_TIFF:
            return FileFormat::Tiff;
        case TWFF_BMP:
            return FileFormat::Bmp;
        case TWFF_JFIF:
            if (blackAndWhite) return std::nullopt;
            return FileFormat::JpegHigh;
        default:
            return std::nullopt;
    }
}

std::span<const FileTypeEntry> FileTypesFor(bool blackAndWhite) {
    if (blackAndWhite) return kBlackAndWhiteTypes;
    return kGreyAndColourTypes;
}

std::string SaveDialogFilter(const StringTable& strings, bool blackAndWhite) {
    std::string filter;
    for (const FileTypeEntry& entry : FileTypesFor(blackAndWhite)) {
        for (const unsigned id : {entry.description, entry.pattern}) {
            filter += strings.Load(id).substr(0, kFilterTextMax);
            filter += '\0';
        }
    }
    filter += '\0';
    return filter;
}

std::optional<FileFormat> ChosenFormat(unsigned filterIndex, bool blackAndWhite) {
    const auto types = FileTypesFor(blackAndWhite);
    if (filterIndex < 1 || filterIndex > types.size()) return std::nullopt;
    return types[filterIndex - 1].format;
}

std::string WithFormatExtension(std::string_view path, std::string_view extension) {
    const size_t separator = path.find_last_of("\\/:");
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    std::string named(path);
    if (path.size() - nameStart > 4) named.resize(named.size() - 4);
    named += extension;
    return named;
}

}  // namespace z8
