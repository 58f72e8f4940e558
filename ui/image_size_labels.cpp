#include "ui/image_size_labels.h"

#include <algorithm>
#include <charconv>

#include "resources/string_ids.h"

namespace z8 {
namespace {

constexpr double kCentimetresPerInch = 2.54;

int64_t Extent(TW_INT16 low, TW_INT16 high) {
    return std::max<int64_t>(0, static_cast<int64_t>(high) - low);
}

// Two decimals with a full stop whatever the process's locale.
std::string Decimal(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    return result.ec == std::errc{} ? std::string(text, result.ptr) : std::string("0.00");
}

// pixels / dpi inches, times `scale`; 0 when the resolution is not positive.
double Length(int64_t pixels, TW_INT16 dpi, double scale) {
    if (dpi <= 0) return 0.0;
    return static_cast<double>(pixels) * scale / static_cast<double>(dpi);
}

std::string Label(const std::string& word, const std::string& value, const std::string& unit) {
    return word + " " + value + " " + unit;
}

}  // namespace

SizeWords LoadSizeWords(const StringTable& strings) {
    return SizeWords{strings.Load(res::kStrHeightLabel),   strings.Load(res::kStrWidthLabel),
                     strings.Load(res::kStrFileSizeLabel), strings.Load(res::kStrKilobytes),
                     strings.Load(res::kStrInches),        strings.Load(res::kStrCentimetres)};
}

uint64_t SelectedAreaBytes(const CScanSettings& settings) {
    const int64_t width = Extent(settings.LeftInPixels(), settings.RightInPixels());
    const int64_t height = Extent(settings.TopInPixels(), settings.BottomInPixels());
    const int64_t bytesPerLine = static_cast<int64_t>(settings.BitDepth()) * width / 8;
    return static_cast<uint64_t>(bytesPerLine * height);
}

SizeLabels SizeLabelsFor(const CScanSettings& settings, const SizeWords& words) {
    const int64_t width = Extent(settings.LeftInPixels(), settings.RightInPixels());
    const int64_t height = Extent(settings.TopInPixels(), settings.BottomInPixels());
    const bool centimetres = settings.RulerUnit() == 1;
    const double scale = centimetres ? kCentimetresPerInch : 1.0;
    const std::string& unit = centimetres ? words.centimetres : words.inches;
    return SizeLabels{
        Label(words.height, Decimal(Length(height, settings.YResolution().Whole, scale)), unit),
        Label(words.width, Decimal(Length(width, settings.XResolution().Whole, scale)), unit),
        Label(words.fileSize, std::to_string(SelectedAreaBytes(settings) / 1024), words.kilobytes)};
}

SizeLabels EmptySizeLabels(const SizeWords& words) {
    return SizeLabels{words.height, words.width, words.fileSize};
}

CheckedSize CheckImageSize(CScanSettings& settings, const SizeWords& words) {
    const bool tooLarge = SelectedAreaBytes(settings) > kLargestImageBytes;
    if (tooLarge) {
        settings.SetXResolutionDpi(kGuardResolution);
        settings.SetYResolutionDpi(kGuardResolution);
    }
    return CheckedSize{SizeLabelsFor(settings, words), tooLarge};
}

}  // namespace z8
