#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/system_paths.h"
#include "twain/twain.h"

namespace z8 {

// Values, ranges and lists that the capability handlers report.
inline constexpr TW_INT16 kBrightnessMin = -100;
inline constexpr TW_INT16 kBrightnessMax = 100;
inline constexpr TW_INT16 kBrightnessDefault = 0;
inline constexpr TW_INT16 kContrastMin = -3;
inline constexpr TW_INT16 kContrastMax = 3;
inline constexpr TW_INT16 kContrastDefault = 0;
inline constexpr TW_FIX32 kGammaMin{1, 0};
inline constexpr TW_FIX32 kGammaMax{5, 0};
inline constexpr TW_FIX32 kGammaDefault{1, 0};
inline constexpr TW_INT16 kXferCountDefault = -1;
inline constexpr TW_INT16 kXferCountMax = 0x3C00;
inline constexpr TW_INT8 kColourCorrectionMin = -100;
inline constexpr TW_INT8 kColourCorrectionMax = 100;

inline constexpr std::array<TW_UINT16, 3> kUnitList{TWUN_INCHES, TWUN_CENTIMETERS, TWUN_PIXELS};
inline constexpr std::array<TW_UINT16, 4> kPixelTypeList{TWPT_BW, TWPT_GRAY, TWPT_PALETTE,
                                                         TWPT_RGB};
inline constexpr std::array<TW_UINT16, 4> kXferMechList{0, 1, 2, 3};
inline constexpr std::array<TW_UINT16, 4> kFileFormatList{0, 2, 4, 6};
inline constexpr uint32_t kUnitDefaultIndex = 1;
inline constexpr uint32_t kPixelTypeDefaultIndex = 1;
inline constexpr uint32_t kXferMechDefaultIndex = 0;
inline constexpr uint32_t kFileFormatDefaultIndex = 2;

// documentSource values, and the abilities the device reports at start-up.
inline constexpr TW_UINT16 kSourceNone = 0;
inline constexpr TW_UINT16 kSourceFeeder = 1;
inline constexpr TW_UINT16 kSourceFlatbed = 2;
inline constexpr TW_UINT16 kFeederAbsent = 3;   // 4: grey previews, 5: colour previews
inline constexpr TW_UINT16 kFlatbedAbsent = 0;  // 1: grey previews, 2: colour previews

// Number of entries of the inch and centimetre resolution lists.
inline constexpr int kResolutionCount = 9;

// Every parameter of the next preview or scan. One instance lives in the main
// dialog object; the capability handlers, the dialogs, the profile file and the
// acquisition engine all read and write it.
//
// A plain value holder: no virtual functions, no locking (only the thread that
// runs the dialog and DS_Entry touches it). Setters validate silently: a value
// outside the accepted set is ignored, except where a clamp is documented.
//
// Units: `xResolution` and `yResolution` are always kept in dots per inch,
// whatever `units` says. `imageLayout` and `physicalLayout` are in `units`
// (inches, centimetres, or pixels, where the physical area counts pixels at
// 80 dots per inch). `pixelFrame` is in pixels at the current resolution.
//
// Arithmetic: every unit conversion takes the edge with Fix32ToFloat, computes
// in double with the single-precision constants 2.54 and 0.39370078, rounds the
// result to float and converts it with FloatToFix32 (twain/fix32.h). Pixel
// results are the 16-bit whole part of that value, so 11.7 in at 300 dpi is
// 3509 pixels (11.7 is stored as 11.699997). Divisions by a resolution whose
// whole part is 0 give 0.
class CScanSettings {
public:
    // Initialises every field in a fixed order; the file name for file
    // transfers starts as "sample.bmp" in the Windows directory.
    explicit CScanSettings(const SystemPaths& paths);

    // Brightness and contrast are stored as given (no clamp).
    TW_FIX32 Brightness() const { return brightness; }
    TW_INT16 BrightnessWhole() const { return brightness.Whole; }
    void SetBrightness(TW_FIX32 value) { brightness = value; }
    void SetBrightnessWhole(TW_INT16 whole) { brightness = TW_FIX32{whole, 0}; }
    void ResetBrightness() { brightness = TW_FIX32{0, 0}; }

    TW_FIX32 Contrast() const { return contrast; }
    TW_INT16 ContrastWhole() const { return contrast.Whole; }
    float ContrastReal() const;
    void SetContrast(TW_FIX32 value) { contrast = value; }
    void SetContrastWhole(TW_INT16 whole) { contrast = TW_FIX32{whole, 0}; }
    void ResetContrast() { contrast = TW_FIX32{0, 0}; }

    // Gamma is clamped to 1.0..5.0 (compared as reals) on every set.
    TW_FIX32 Gamma() const { return gamma; }
    void SetGamma(TW_FIX32 value);
    void ResetGamma() { gamma = kGammaDefault; }

    // Colour corrections: -100..100, anything else is ignored.
    TW_INT8 Red() const { return red; }
    TW_INT8 Green() const { return green; }
    TW_INT8 Blue() const { return blue; }
    void SetRed(TW_INT8 value);
    void SetGreen(TW_INT8 value);
    void SetBlue(TW_INT8 value);
    void ResetColourCorrections();

    // Resolutions. XResolution/YResolution are the stored dots per inch;
    // GetXResolution/GetYResolution answer in `units`. Setting takes a value per
    // inch or per centimetre by `units` and is ignored in pixels. Centimetres
    // are multiplied by 2.54 before storing, except that an entry of the
    // centimetre list stores exactly the whole dots per inch it stands for.
    // A value worth less than 1 dot per inch is refused: false, nothing stored.
    TW_FIX32 XResolution() const { return xResolution; }
    TW_FIX32 YResolution() const { return yResolution; }
    TW_FIX32 GetXResolution() const;
    TW_FIX32 GetYResolution() const;
    bool SetXResolution(TW_FIX32 value);
    bool SetYResolution(TW_FIX32 value);
    // Stores a whole number of dots per inch whatever `units` is (profiles,
    // presets, the engine's parameter block).
    void SetXResolutionDpi(TW_INT16 dpi) { xResolution = TW_FIX32{dpi, 0}; }
    void SetYResolutionDpi(TW_INT16 dpi) { yResolution = TW_FIX32{dpi, 0}; }
    // Index 0..8 of the inch table (80 ... 2400 dpi); other indices are ignored.
    void SetXResolutionIndex(int index);
    void SetYResolutionIndex(int index);
    void ResetXResolution() { xResolution = TW_FIX32{80, 0}; }
    void ResetYResolution() { yResolution = TW_FIX32{80, 0}; }
    // The list for the current `units` (9 entries for inches and centimetres, the
    // single entry 1.0 for pixels) and its default.
    std::span<const TW_FIX32> ResolutionList() const;
    TW_FIX32 DefaultResolution() const;
    // Whole dots per inch of inch-table entry `index`; 0 outside 0..8.
    static TW_INT16 ResolutionEntry(int index);

    // Units of both layouts: ConvertUnits changes them and converts the layouts.
    // ResetUnits, for the initialisation, puts back inches and rulerUnit 1
    // without converting; RestoreDefaultUnits does the same for an application
    // and converts the layouts, so that they keep their size.
    TW_UINT16 Units() const { return units; }
    void ConvertUnits(TW_UINT16 newUnits);
    void ResetUnits();
    void RestoreDefaultUnits();

    // Unit of the dialog's rulers: 0 inches, 1 centimetres; others are ignored.
    TW_UINT16 RulerUnit() const { return rulerUnit; }
    void SetRulerUnit(TW_UINT16 value);

    // Pages wanted, clamped to -1..15360; -1 means as many as the feeder gives.
    TW_INT16 XferCount() const { return xferCount; }
    void SetXferCount(TW_INT16 count);
    void ResetXferCount() { xferCount = kXferCountDefault; }
    TW_INT16 PagesTransferred() const { return pagesTransferred; }
    void SetPagesTransferred(TW_INT16 count) { pagesTransferred = count; }

    // Pixel type 0..3 (others ignored); setting or resetting it (to grey) sets
    // the bit depth that goes with it: 1 for black and white, 8 for grey and
    // palette, 24 for colour.
    TW_UINT16 PixelType() const { return pixelType; }
    void SetPixelType(TW_UINT16 type);
    void ResetPixelType() { SetPixelType(TWPT_GRAY); }
    // Bit depth 1, 8 or 24 (others ignored), whatever the pixel type.
    TW_UINT16 BitDepth() const { return bitDepth; }
    void SetBitDepth(TW_UINT16 depth);
    void ResetBitDepth();

    TW_UINT16 PixelFlavor() const { return pixelFlavor; }
    void SetPixelFlavor(TW_UINT16 value) { pixelFlavor = value; }
    void ResetPixelFlavor() { pixelFlavor = 0; }
    TW_UINT16 Indicators() const { return indicators; }
    void SetIndicators(TW_UINT16 value) { indicators = value; }
    void ResetIndicators() { indicators = 1; }
    TW_UINT16 ShowUI() const { return showUI; }
    void SetShowUI(TW_UINT16 value) { showUI = value; }

    // The selected area (imageLayout) and the whole scannable area
    // (physicalLayout), both in `units`. SetLayout stores the record as given,
    // without checks, and leaves pixelFrame alone.
    TW_IMAGELAYOUT GetLayout() const { return imageLayout; }
    TW_IMAGELAYOUT GetPhysicalLayout() const { return physicalLayout; }
    void SetLayout(const TW_IMAGELAYOUT& layout) { imageLayout = layout; }
    // An A4 page (8.27 x 11.7 in) at the top-left corner, in `units`, into both
    // frames (in pixels, the physical one at 80 dots per inch); the physical
    // document, page and frame numbers become 0, the selected area's stay.
    void ResetLayout();

    // imageLayout edges in pixels at the current resolution (X for left and
    // right, Y for top and bottom), and the inverse setters, which store the
    // edge converted from pixels into `units`.
    TW_INT16 LeftInPixels() const;
    TW_INT16 TopInPixels() const;
    TW_INT16 RightInPixels() const;
    TW_INT16 BottomInPixels() const;
    void SetLeftPixels(TW_INT16 pixels);
    void SetTopPixels(TW_INT16 pixels);
    void SetRightPixels(TW_INT16 pixels);
    void SetBottomPixels(TW_INT16 pixels);
    // physicalLayout edges in pixels at 80 dots per inch.
    TW_INT16 PhysicalLeftInPixels80() const;
    TW_INT16 PhysicalTopInPixels80() const;
    TW_INT16 PhysicalRightInPixels80() const;
    TW_INT16 PhysicalBottomInPixels80() const;

    // The area actually scanned, in pixels (fractions 0). ComputePixelFrame
    // derives it from imageLayout and clears linePadding; the engine overwrites
    // it with the scanner's geometry.
    TW_FRAME PixelFrame() const { return pixelFrame; }
    void SetPixelFrameLeft(TW_UINT16 pixels);
    void SetPixelFrameTop(TW_UINT16 pixels);
    void SetPixelFrameRight(TW_UINT16 pixels);
    void SetPixelFrameBottom(TW_UINT16 pixels);
    void ComputePixelFrame();
    // Right - Left and Bottom - Top of pixelFrame in unsigned 16-bit arithmetic
    // (a right edge left of the left edge wraps around).
    TW_UINT16 ImageWidth() const;
    TW_UINT16 ImageHeight() const;
    // Bytes of one image line including linePadding: (width + 7) * depth / 8 for
    // black and white, width * depth / 8 for the other types, 0 for an unknown type.
    uint32_t BytesPerLine() const;
    TW_UINT16 LinePadding() const { return linePadding; }
    void SetLinePadding(TW_UINT16 value) { linePadding = value; }

    // Document source (0 none, 1 feeder, 2 flatbed: any value is stored) and
    // the device's abilities found at start-up.
    TW_UINT16 DocumentSource() const { return documentSource; }
    void SetDocumentSource(TW_UINT16 source);
    TW_UINT16 FeederSupport() const { return feederSupport; }
    void SetFeederSupport(TW_UINT16 value) { feederSupport = value; }
    TW_UINT16 FlatbedSupport() const { return flatbedSupport; }
    void SetFlatbedSupport(TW_UINT16 value) { flatbedSupport = value; }
    void ResetDevice();
    bool FeederAvailable() const { return feederSupport != kFeederAbsent; }
    bool FlatbedAvailable() const { return flatbedSupport != kFlatbedAbsent; }
    // 1 grey, 2 colour, 0 unknown: how the selected source previews.
    TW_UINT16 PreviewColourKind() const;
    // The source byte sent to the scanner: 1 flatbed, 0 otherwise.
    TW_UINT16 SourceCode() const { return documentSource == kSourceFlatbed ? 1 : 0; }
    // Progress windows are wanted only while the dialog is hidden.
    bool WantIndicators() const { return indicators != 0 && showUI == 0; }
    TW_UINT16 PaperLoaded() const { return paperLoaded; }
    void SetPaperLoaded(TW_UINT16 value) { paperLoaded = value; }
    TW_UINT16 FeederSelected() const { return feederSelected; }
    void SetFeederSelected(TW_UINT16 value) { feederSelected = value; }
    bool FeederLoaded() const { return feederSelected != 0 && paperLoaded != 0; }

    // Transfer mechanism and file format: 0..3 accepted.
    TW_UINT16 XferMech() const { return xferMech; }
    void SetXferMech(TW_UINT16 value);
    void ResetXferMech() { xferMech = 0; }
    TW_UINT16 ImageFileFormat() const { return imageFileFormat; }
    void SetImageFileFormat(TW_UINT16 value);
    void ResetImageFileFormat() { imageFileFormat = TWFF_BMP; }

    // Zero-terminated name for file transfers. SetFileName copies at most 255
    // characters (so an unterminated 256-byte TWAIN string is safe).
    const char* FileName() const { return fileName; }
    void SetFileName(const char* text);
    // "sample.bmp" in the Windows directory (a backslash added unless it ends in
    // one), cut to 255 characters if need be; then the file format BMP.
    void ResetFileName(const SystemPaths& paths);

    // Image adjustment flags.
    TW_UINT16 MirrorH() const { return mirrorH; }
    TW_UINT16 MirrorV() const { return mirrorV; }
    TW_UINT16 Invert() const { return invert; }
    TW_UINT16 FilterIndex() const { return filterIndex; }
    void SetMirrorH(TW_UINT16 value) { mirrorH = value; }
    void SetMirrorV(TW_UINT16 value) { mirrorV = value; }
    void SetInvert(TW_UINT16 value) { invert = value; }
    void SetFilterIndex(TW_UINT16 value) { filterIndex = value; }

private:
    TW_FIX32 brightness{};
    TW_FIX32 contrast{};
    TW_FIX32 xResolution{};
    TW_FIX32 yResolution{};
    TW_FIX32 gamma{};
    TW_INT8 red{};
    TW_INT8 green{};
    TW_INT8 blue{};
    TW_UINT16 units{};
    TW_UINT16 rulerUnit{};
    TW_INT16 xferCount{};
    TW_INT16 pagesTransferred{};
    TW_UINT16 pixelType{};
    TW_UINT16 bitDepth{};
    TW_UINT16 pixelFlavor{};
    TW_UINT16 indicators{};
    TW_UINT16 showUI{};
    TW_IMAGELAYOUT imageLayout{};
    TW_IMAGELAYOUT physicalLayout{};
    TW_FRAME pixelFrame{};
    TW_UINT16 linePadding{};
    TW_UINT16 documentSource{};
    TW_UINT16 feederSupport{};
    TW_UINT16 flatbedSupport{};
    TW_UINT16 xferMech{};
    TW_UINT16 imageFileFormat{};
    char fileName[256]{};
    TW_UINT16 paperLoaded{};
    TW_UINT16 feederSelected{};
    TW_UINT16 mirrorH{};
    TW_UINT16 mirrorV{};
    TW_UINT16 invert{};
    TW_UINT16 filterIndex{};
};

}  // namespace z8
