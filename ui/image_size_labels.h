#pragma once

#include <cstdint>
#include <string>

#include "platform/string_table.h"
#include "settings/scan_settings.h"

namespace z8 {

// The words of the three size labels, from the string table.
struct SizeWords {
    std::string height;       // "Hauteur:"
    std::string width;        // "Largeur:"
    std::string fileSize;     // "Taille du fichier:"
    std::string kilobytes;    // "ko"
    std::string inches;       // "in"
    std::string centimetres;  // "cm"
};
SizeWords LoadSizeWords(const StringTable& strings);

// The texts of the height, width and file-size labels.
struct SizeLabels {
    std::string height;
    std::string width;
    std::string fileSize;
    bool operator==(const SizeLabels&) const = default;
};

// Larger pages are refused: the resolution goes back to 80 dots per inch.
inline constexpr uint64_t kLargestImageBytes = 0x8000000;
inline constexpr TW_INT16 kGuardResolution = 80;

// Bytes of the selected area at the current resolution and bit depth: whole
// bytes of depth × width / 8 per line, times the height, in 64 bits; an
// inverted extent counts as 0.
uint64_t SelectedAreaBytes(const CScanSettings& settings);

// "Hauteur: 11.70 in", "Largeur: 8.27 in", "Taille du fichier: 25487 ko":
// the area's height and width in the ruler's unit (centimetres when it is
// 1, else inches; 0.00 at a resolution of 0) and its size in whole kilobytes.
SizeLabels SizeLabelsFor(const CScanSettings& settings, const SizeWords& words);
// With no document source: the words alone.
SizeLabels EmptySizeLabels(const SizeWords& words);

// The size guard, then the labels. When the selected area is larger than
// kLargestImageBytes, both resolutions go back to 80 dots per inch (tooLarge:
// the caller tells the user) and the labels show the size at 80.
struct CheckedSize {
    SizeLabels labels;
    bool tooLarge = false;
};
CheckedSize CheckImageSize(CScanSettings& settings, const SizeWords& words);

}  // namespace z8
