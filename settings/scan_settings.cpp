#include "settings/scan_settings.h"

#include <optional>
#include <string>

#include "platform/path_parts.h"
#include "twain/fix32.h"

namespace z8 {
namespace {

constexpr float kInchesToCentimetres = 2.54f;
constexpr float kCentimetresToInches = 0.39370078f;
constexpr TW_INT16 kPhysicalDpi = 80;
constexpr float kA4WidthInches = 8.27f;
constexpr float kA4HeightInches = 11.7f;
constexpr float kA4WidthCentimetres = 21.0058f;
constexpr float kA4HeightCentimetres = 29.718f;

constexpr std::array<TW_FIX32, kResolutionCount> kInchResolutions{{
    {80, 0},
    {100, 0},
    {150, 0},
    {200, 0},
    {300, 0},
    {400, 0},
    {600, 0},
    {1200, 0},
    {2400, 0},
}};
// The inch entries divided by 2.54 with the fraction truncated rather than
// rounded: the values applications have always been offered.
constexpr std::array<TW_FIX32, kResolutionCount> kCentimetreResolutions{{
    {31, 32509},
    {39, 24253},
    {59, 3612},
    {78, 48506},
    {118, 7224},
    {157, 31477},
    {236, 14448},
    {472, 28897},
    {944, 57795},
}};
constexpr std::array<TW_FIX32, 1> kPixelResolutions{{{1, 0}}};

bool IsUnit(TW_UINT16 unit) {
    return unit == TWUN_INCHES || unit == TWUN_CENTIMETERS || unit == TWUN_PIXELS;
}

// Rounds a real computed in double to single precision, then to fixed.
TW_FIX32 ToFixed(double real) {
    return FloatToFix32(static_cast<float>(real));
}

// A length converted between two units, `dpi` being the whole dots per inch
// wherever pixels are involved; nothing for a pair that is not converted.
std::optional<TW_FIX32> Convert(TW_FIX32 value, TW_UINT16 from, TW_UINT16 to, TW_INT16 dpi) {
    if (from == to) return IsUnit(from) ? std::optional<TW_FIX32>(value) : std::nullopt;
    const double v = Fix32ToFloat(value);
    const double r = dpi;
    switch (from * 16 + to) {
        case TWUN_INCHES * 16 + TWUN_CENTIMETERS:
            return ToFixed(v * kInchesToCentimetres);
        case TWUN_INCHES * 16 + TWUN_PIXELS:
            return ToFixed(v * r);
        case TWUN_CENTIMETERS * 16 + TWUN_INCHES:
            return ToFixed(v * kCentimetresToInches);
        case TWUN_CENTIMETERS * 16 + TWUN_PIXELS:
            return ToFixed(v * kCentimetresToInches * r);
        case TWUN_PIXELS * 16 + TWUN_INCHES:
            return dpi == 0 ? TW_FIX32{0, 0} : ToFixed(v / r);
        case TWUN_PIXELS * 16 + TWUN_CENTIMETERS:
            return dpi == 0 ? TW_FIX32{0, 0} : ToFixed(v / r * kInchesToCentimetres);
        default:
            return std::nullopt;
    }
}

TW_INT16 ToPixels(TW_FIX32 edge, TW_UINT16 units, TW_INT16 dpi) {
    const std::optional<TW_FIX32> pixels = Convert(edge, units, TWUN_PIXELS, dpi);
    return pixels ? pixels->Whole : 0;
}

void SetFromPixels(TW_FIX32& edge, TW_INT16 pixels, TW_UINT16 units, TW_INT16 dpi) {
    if (const std::optional<TW_FIX32> value = Convert(TW_FIX32{pixels, 0}, TWUN_PIXELS, units, dpi))
        edge = *value;
}

bool IsColourCorrection(TW_INT8 value) {
    return value >= kColourCorrectionMin && value <= kColourCorrectionMax;
}

TW_FIX32 ResolutionInUnits(TW_FIX32 dpi, TW_UINT16 units) {
    switch (units) {
        case TWUN_CENTIMETERS:
            return ToFixed(static_cast<double>(Fix32ToFloat(dpi)) * kCentimetresToInches);
        case TWUN_PIXELS:
            return TW_FIX32{1, 0};
        default:
            return dpi;
    }
}

// The dots per inch that a resolution in `units` stands for; none in pixels,
// where the value means nothing to store.
std::optional<TW_FIX32> DotsPerInch(TW_FIX32 value, TW_UINT16 units) {
    switch (units) {
        case TWUN_INCHES:
            return value;
        case TWUN_CENTIMETERS:
            // The list's entries are truncated, so 2.54 times an entry falls just
            // short of its whole dpi (118.11 would scan at 299): an entry gives
            // the inch entry it stands for.
            for (size_t i = 0; i < kCentimetreResolutions.size(); ++i) {
                const TW_FIX32 entry = kCentimetreResolutions[i];
                if (entry.Whole == value.Whole && entry.Frac == value.Frac)
                    return kInchResolutions[i];
            }
            return ToFixed(static_cast<double>(Fix32ToFloat(value)) * kInchesToCentimetres);
        default:
            return std::nullopt;
    }
}

bool SetResolutionInUnits(TW_FIX32& dpi, TW_FIX32 value, TW_UINT16 units) {
    const std::optional<TW_FIX32> converted = DotsPerInch(value, units);
    if (!converted) return true;  // served, with nothing to store
    // Below 1 dpi every edge is 0 pixels, and a change to pixels would keep
    // the layouts at 0 for good.
    if (converted->Whole < 1) return false;
    dpi = *converted;
    return true;
}

}  // namespace

CScanSettings::CScanSettings(const SystemPaths& paths) {
    ResetUnits();
    ResetBrightness();
    ResetContrast();
    ResetGamma();
    ResetXferCount();
    pagesTransferred = 0;
    ResetPixelType();
    ResetPixelFlavor();
    ResetBitDepth();
    ResetXferMech();
    ResetImageFileFormat();
    ResetIndicators();
    showUI = 0;
    ResetXResolution();
    ResetYResolution();
    ResetColourCorrections();
    ResetDevice();
    ResetFileName(paths);
    ResetLayout();
    ComputePixelFrame();
    paperLoaded = 0;
    feederSelected = 0;
    mirrorH = 0;
    mirrorV = 0;
    invert = 0;
    filterIndex = 0;
}

float CScanSettings::ContrastReal() const {
    return Fix32ToFloat(contrast);
}

void CScanSettings::SetGamma(TW_FIX32 value) {
    const float real = Fix32ToFloat(value);
    if (real < Fix32ToFloat(kGammaMin))
        gamma = kGammaMin;
    else if (real > Fix32ToFloat(kGammaMax))
        gamma = kGammaMax;
    else
        gamma = value;
}

void CScanSettings::SetRed(TW_INT8 value) {
    if (IsColourCorrection(value)) red = value;
}

void CScanSettings::SetGreen(TW_INT8 value) {
    if (IsColourCorrection(value)) green = value;
}

void CScanSettings::SetBlue(TW_INT8 value) {
    if (IsColourCorrection(value)) blue = value;
}

void CScanSettings::ResetColourCorrections() {
    red = 0;
    green = 0;
    blue = 0;
}

TW_FIX32 CScanSettings::GetXResolution() const {
    return ResolutionInUnits(xResolution, units);
}
TW_FIX32 CScanSettings::GetYResolution() const {
    return ResolutionInUnits(yResolution, units);
}
bool CScanSettings::SetXResolution(TW_FIX32 value) {
    return SetResolutionInUnits(xResolution, value, units);
}
bool CScanSettings::SetYResolution(TW_FIX32 value) {
    return SetResolutionInUnits(yResolution, value, units);
}

void CScanSettings::SetXResolutionIndex(int index) {
    if (index >= 0 && index < kResolutionCount)
        xResolution = kInchResolutions[static_cast<size_t>(index)];
}

void CScanSettings::SetYResolutionIndex(int index) {
    if (index >= 0 && index < kResolutionCount)
        yResolution = kInchResolutions[static_cast<size_t>(index)];
}

std::span<const TW_FIX32> CScanSettings::ResolutionList() const {
    switch (units) {
        case TWUN_CENTIMETERS:
            return kCentimetreResolutions;
        case TWUN_PIXELS:
            return kPixelResolutions;
        default:
            return kInchResolutions;
    }
}

TW_FIX32 CScanSettings::DefaultResolution() const {
    return ResolutionList().front();
}

TW_INT16 CScanSettings::ResolutionEntry(int index) {
    if (index < 0 || index >= kResolutionCount) return 0;
    return kInchResolutions[static_cast<size_t>(index)].Whole;
}

void CScanSettings::ConvertUnits(TW_UINT16 newUnits) {
    const TW_UINT16 old = units;
    if (old != newUnits) {
        const auto convert = [&](TW_FIX32& edge, TW_INT16 dpi) {
            if (const std::optional<TW_FIX32> value = Convert(edge, old, newUnits, dpi))
                edge = *value;
        };
        TW_FRAME& image = imageLayout.Frame;
        convert(image.Left, xResolution.Whole);
        convert(image.Top, yResolution.Whole);
        convert(image.Right, xResolution.Whole);
        convert(image.Bottom, yResolution.Whole);
        TW_FRAME& physical = physicalLayout.Frame;
        convert(physical.Left, kPhysicalDpi);
        convert(physical.Top, kPhysicalDpi);
        convert(physical.Right, kPhysicalDpi);
        convert(physical.Bottom, kPhysicalDpi);
    }
    if (IsUnit(newUnits)) units = newUnits;
}

void CScanSettings::ResetUnits() {
    units = TWUN_INCHES;
    rulerUnit = 1;
}

void CScanSettings::RestoreDefaultUnits() {
    ConvertUnits(TWUN_INCHES);
    ResetUnits();
}

void CScanSettings::SetRulerUnit(TW_UINT16 value) {
    if (value == 0 || value == 1) rulerUnit = value;
}

void CScanSettings::SetXferCount(TW_INT16 count) {
    xferCount = count;
    if (xferCount > kXferCountMax) xferCount = kXferCountMax;
    if (xferCount < -1) xferCount = -1;
}

void CScanSettings::SetPixelType(TW_UINT16 type) {
    if (type > TWPT_PALETTE) return;
    pixelType = type;
    ResetBitDepth();
}

void CScanSettings::SetBitDepth(TW_UINT16 depth) {
    if (depth == 1 || depth == 8 || depth == 24) bitDepth = depth;
}

void CScanSettings::ResetBitDepth() {
    switch (pixelType) {
        case TWPT_BW:
            bitDepth = 1;
            break;
        case TWPT_GRAY:
        case TWPT_PALETTE:
            bitDepth = 8;
            break;
        case TWPT_RGB:
            bitDepth = 24;
            break;
        default:
            break;
    }
}

void CScanSettings::ResetLayout() {
    physicalLayout.DocumentNumber = 0;
    physicalLayout.PageNumber = 0;
    physicalLayout.FrameNumber = 0;
    TW_FRAME frame{};
    switch (units) {
        case TWUN_INCHES:
            frame.Right = FloatToFix32(kA4WidthInches);
            frame.Bottom = FloatToFix32(kA4HeightInches);
            break;
        case TWUN_CENTIMETERS:
            frame.Right = FloatToFix32(kA4WidthCentimetres);
            frame.Bottom = FloatToFix32(kA4HeightCentimetres);
            break;
        case TWUN_PIXELS:
            frame.Right = ToFixed(xResolution.Whole * static_cast<double>(kA4WidthInches));
            frame.Bottom = ToFixed(yResolution.Whole * static_cast<double>(kA4HeightInches));
            break;
        default:
            break;
    }
    imageLayout.Frame = frame;
    // In pixels the physical area counts pixels at 80 dots per inch (as
    // ConvertUnits and the preview read it), not at the current resolution.
    if (units == TWUN_PIXELS) {
        frame.Right = ToFixed(kPhysicalDpi * static_cast<double>(kA4WidthInches));
        frame.Bottom = ToFixed(kPhysicalDpi * static_cast<double>(kA4HeightInches));
    }
    physicalLayout.Frame = frame;
}

TW_INT16 CScanSettings::LeftInPixels() const {
    return ToPixels(imageLayout.Frame.Left, units, xResolution.Whole);
}
TW_INT16 CScanSettings::TopInPixels() const {
    return ToPixels(imageLayout.Frame.Top, units, yResolution.Whole);
}
TW_INT16 CScanSettings::RightInPixels() const {
    return ToPixels(imageLayout.Frame.Right, units, xResolution.Whole);
}
TW_INT16 CScanSettings::BottomInPixels() const {
    return ToPixels(imageLayout.Frame.Bottom, units, yResolution.Whole);
}

void CScanSettings::SetLeftPixels(TW_INT16 pixels) {
    SetFromPixels(imageLayout.Frame.Left, pixels, units, xResolution.Whole);
}
void CScanSettings::SetTopPixels(TW_INT16 pixels) {
    SetFromPixels(imageLayout.Frame.Top, pixels, units, yResolution.Whole);
}
void CScanSettings::SetRightPixels(TW_INT16 pixels) {
    SetFromPixels(imageLayout.Frame.Right, pixels, units, xResolution.Whole);
}
void CScanSettings::SetBottomPixels(TW_INT16 pixels) {
    SetFromPixels(imageLayout.Frame.Bottom, pixels, units, yResolution.Whole);
}

TW_INT16 CScanSettings::PhysicalLeftInPixels80() const {
    return ToPixels(physicalLayout.Frame.Left, units, kPhysicalDpi);
}
TW_INT16 CScanSettings::PhysicalTopInPixels80() const {
    return ToPixels(physicalLayout.Frame.Top, units, kPhysicalDpi);
}
TW_INT16 CScanSettings::PhysicalRightInPixels80() const {
    return ToPixels(physicalLayout.Frame.Right, units, kPhysicalDpi);
}
TW_INT16 CScanSettings::PhysicalBottomInPixels80() const {
    return ToPixels(physicalLayout.Frame.Bottom, units, kPhysicalDpi);
}

void CScanSettings::SetPixelFrameLeft(TW_UINT16 pixels) {
    pixelFrame.Left = TW_FIX32{static_cast<TW_INT16>(pixels), 0};
}
void CScanSettings::SetPixelFrameTop(TW_UINT16 pixels) {
    pixelFrame.Top = TW_FIX32{static_cast<TW_INT16>(pixels), 0};
}
void CScanSettings::SetPixelFrameRight(TW_UINT16 pixels) {
    pixelFrame.Right = TW_FIX32{static_cast<TW_INT16>(pixels), 0};
}
void CScanSettings::SetPixelFrameBottom(TW_UINT16 pixels) {
    pixelFrame.Bottom = TW_FIX32{static_cast<TW_INT16>(pixels), 0};
}

void CScanSettings::ComputePixelFrame() {
    pixelFrame.Left = TW_FIX32{LeftInPixels(), 0};
    pixelFrame.Top = TW_FIX32{TopInPixels(), 0};
    pixelFrame.Right = TW_FIX32{RightInPixels(), 0};
    pixelFrame.Bottom = TW_FIX32{BottomInPixels(), 0};
    linePadding = 0;
}

TW_UINT16 CScanSettings::ImageWidth() const {
    return static_cast<TW_UINT16>(static_cast<TW_UINT16>(pixelFrame.Right.Whole) -
                                  static_cast<TW_UINT16>(pixelFrame.Left.Whole));
}

TW_UINT16 CScanSettings::ImageHeight() const {
    return static_cast<TW_UINT16>(static_cast<TW_UINT16>(pixelFrame.Bottom.Whole) -
                                  static_cast<TW_UINT16>(pixelFrame.Top.Whole));
}

uint32_t CScanSettings::BytesPerLine() const {
    const uint32_t width = ImageWidth();
    switch (pixelType) {
        case TWPT_BW:
            return (width + 7) * bitDepth / 8 + linePadding;
        case TWPT_GRAY:
        case TWPT_RGB:
        case TWPT_PALETTE:
            return width * bitDepth / 8 + linePadding;
        default:
            return 0;
    }
}

void CScanSettings::SetDocumentSource(TW_UINT16 source) {
    feederSelected = source == kSourceFeeder ? 1 : 0;
    documentSource = source;
}

void CScanSettings::ResetDevice() {
    feederSupport = kFeederAbsent;
    flatbedSupport = kFlatbedAbsent;
    documentSource = kSourceNone;
}

TW_UINT16 CScanSettings::PreviewColourKind() const {
    if (documentSource == kSourceFeeder) {
        if (feederSupport == 4) return 1;
        if (feederSupport == 5) return 2;
    } else if (documentSource == kSourceFlatbed) {
        if (flatbedSupport == 1) return 1;
        if (flatbedSupport == 2) return 2;
    }
    return 0;
}

void CScanSettings::SetXferMech(TW_UINT16 value) {
    if (value <= 3) xferMech = value;
}

void CScanSettings::SetImageFileFormat(TW_UINT16 value) {
    if (value <= 3) imageFileFormat = value;
}

void CScanSettings::SetFileName(const char* text) {
    size_t n = 0;
    if (text != nullptr) {
        for (; n < sizeof fileName - 1 && text[n] != '\0'; ++n)
            fileName[n] = text[n];
    }
    fileName[n] = '\0';
}

void CScanSettings::ResetFileName(const SystemPaths& paths) {
    SetFileName(JoinPath(paths.WindowsDirectory(), "sample.bmp").c_str());
    imageFileFormat = TWFF_BMP;
}

}  // namespace z8
