#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/write_options.h"
#include "platform/string_table.h"
#include "twain/twain.h"

namespace z8 {

// The files a transfer writes.
enum class FileFormat { Bmp, Tiff, PackBitsTiff, JpegLow, JpegMedium, JpegHigh };

// ".bmp", ".tif" or ".jpg".
std::string_view ExtensionOf(FileFormat format);
// The writer's name of the format: "BMP", "TIF" or "JPG".
std::string_view TypeNameOf(FileFormat format);

// One write option: a key and its text, or none (the option without a value).
struct FileOption {
    std::string key;
    std::optional<std::string> value;
    bool operator==(const FileOption&) const = default;
};

// The options of a format, in the order they are set. The TIFF formats carry
// the resolutions as whole dots per inch; one below 1 goes without a value,
// which leaves the writer to take the image's own.
std::vector<FileOption> OptionsOf(FileFormat format, int xDpi, int yDpi);
WriteOptions MakeWriteOptions(const std::vector<FileOption>& options);

// The format DAT_SETUPFILEXFER named (TWFF_TIFF, TWFF_BMP, or TWFF_JFIF at
// high quality for pages with grey levels or colours); none for a format
// that names no file of the page's kind.
std::optional<FileFormat> RequestedFormat(TW_UINT16 imageFileFormat, bool blackAndWhite);

// The save dialog's file types: BMP, TIFF, then compressed TIFF for black and
// white pages, or JPEG low, medium and high for the others. Each entry is a
// description and a pattern of the string table.
struct FileTypeEntry {
    FileFormat format;
    unsigned description;
    unsigned pattern;
};
std::span<const FileTypeEntry> FileTypesFor(bool blackAndWhite);
// The dialog's filter: description and pattern of each entry, each ended by a
// zero, and an empty string at the end.
std::string SaveDialogFilter(const StringTable& strings, bool blackAndWhite);
// The format of the dialog's filter index (1 is the first entry); none
// outside the list.
std::optional<FileFormat> ChosenFormat(unsigned filterIndex, bool blackAndWhite);

// The chosen name with the format's extension: within the file-name part (after
// the last '\\', '/' or ':'), a part longer than four characters has its last
// four replaced by the extension whatever they are ("scan.jpeg" as BMP is
// "scan..bmp"); a shorter one has the extension appended, so the name never
// reaches into its folder.
std::string WithFormatExtension(std::string_view path, std::string_view extension);

}  // namespace z8
