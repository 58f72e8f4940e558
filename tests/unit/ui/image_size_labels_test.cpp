#include "ui/image_size_labels.h"

#include <gtest/gtest.h>

#include "tests/unit/ui/fixed_paths.h"
#include "twain/fix32.h"

namespace z8 {
namespace {

const SizeWords kWords{"Hauteur:", "Largeur:", "Taille du fichier:", "ko", "in", "cm"};

// Settings whose selected area is the given pixel frame (units: pixels).
struct Area {
    int left, top, right, bottom;
};
void SetPixelArea(CScanSettings& s, Area a) {
    s.ConvertUnits(TWUN_PIXELS);
    TW_IMAGELAYOUT layout = s.GetLayout();
    layout.Frame.Left = TW_FIX32{static_cast<TW_INT16>(a.left), 0};
    layout.Frame.Top = TW_FIX32{static_cast<TW_INT16>(a.top), 0};
    layout.Frame.Right = TW_FIX32{static_cast<TW_INT16>(a.right), 0};
    layout.Frame.Bottom = TW_FIX32{static_cast<TW_INT16>(a.bottom), 0};
    s.SetLayout(layout);
}

TEST(ImageSizeLabels, HeightWidthAndFileSizeInTheRulersUnit) {
    struct Case {
        const char* name;
        TW_UINT16 pixelType;
        TW_INT16 xDpi, yDpi;
        TW_UINT16 rulerUnit;
        std::optional<Area> pixels;  // else the A4 page in inches
        SizeLabels want;
    };
    const Case cases[] = {
        {"A4 grey at 80 dpi, inches",
         TWPT_GRAY,
         80,
         80,
         0,
         std::nullopt,
         {"Hauteur: 11.69 in", "Largeur: 8.26 in", "Taille du fichier: 603 ko"}},
        {"A4 grey at 80 dpi, centimetres",
         TWPT_GRAY,
         80,
         80,
         1,
         std::nullopt,
         {"Hauteur: 29.69 cm", "Largeur: 20.99 cm", "Taille du fichier: 603 ko"}},
        {"2480 x 3508 colour at 300 dpi",
         TWPT_RGB,
         300,
         300,
         0,
         Area{0, 0, 2480, 3508},
         {"Hauteur: 11.69 in", "Largeur: 8.27 in", "Taille du fichier: 25487 ko"}},
        {"black and white: whole bytes per line",
         TWPT_BW,
         100,
         200,
         0,
         Area{0, 0, 15, 1024},
         {"Hauteur: 5.12 in", "Largeur: 0.15 in", "Taille du fichier: 1 ko"}},
        {"a resolution of 0 shows 0.00, not inf",
         TWPT_GRAY,
         0,
         0,
         1,
         Area{0, 0, 300, 400},
         {"Hauteur: 0.00 cm", "Largeur: 0.00 cm", "Taille du fichier: 117 ko"}},
        {"an inverted area is empty",
         TWPT_RGB,
         300,
         300,
         0,
         Area{500, 700, 100, 100},
         {"Hauteur: 0.00 in", "Largeur: 0.00 in", "Taille du fichier: 0 ko"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FixedPaths paths;
        CScanSettings s(paths);
        s.SetPixelType(c.pixelType);
        s.SetXResolutionDpi(c.xDpi);
        s.SetYResolutionDpi(c.yDpi);
        s.SetRulerUnit(c.rulerUnit);
        if (c.pixels) SetPixelArea(s, *c.pixels);
        EXPECT_EQ(SizeLabelsFor(s, kWords), c.want);
    }
    EXPECT_EQ(EmptySizeLabels(kWords), (SizeLabels{"Hauteur:", "Largeur:", "Taille du fichier:"}));
}

TEST(ImageSizeLabels, GuardResetsTo80DpiAndTheLabelsShowTheNewSize) {
    struct Case {
        const char* name;
        TW_UINT16 pixelType;
        TW_INT16 dpi;
        std::optional<Area> pixels;
        bool tooLarge;
        TW_INT16 dpiAfter;
        std::string fileSizeAfter;
    };
    const Case cases[] = {
        // 4962 x 7019 pixels
        {"A4 colour at 600 dpi: 100 MB fits", TWPT_RGB, 600, std::nullopt, false, 600,
         "Taille du fichier: 102035 ko"},
        {"A4 colour at 1200 dpi is too large", TWPT_RGB, 1200, std::nullopt, true, 80,
         "Taille du fichier: 1810 ko"},
        {"A4 black and white at 2400 dpi: 66 MB fits", TWPT_BW, 2400, std::nullopt, false, 2400,
         "Taille du fichier: 68031 ko"},
        // 196605 bytes a line times 21846 lines is 4295032830 bytes, which
        // 32-bit arithmetic would see as 65534.
        {"an extent past 32 bits", TWPT_RGB, 300, Area{-32768, 0, 32767, 21846}, true, 80,
         "Taille du fichier: 4194367 ko"},
        {"exactly the limit", TWPT_GRAY, 300, Area{0, 0, 8192, 16384}, false, 300,
         "Taille du fichier: 131072 ko"},
        {"one line more", TWPT_GRAY, 300, Area{0, 0, 8192, 16385}, true, 80,
         "Taille du fichier: 131080 ko"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::FixedPaths paths;
        CScanSettings s(paths);
        s.SetPixelType(c.pixelType);
        s.SetXResolutionDpi(c.dpi);
        s.SetYResolutionDpi(c.dpi);
        if (c.pixels) SetPixelArea(s, *c.pixels);
        const CheckedSize checked = CheckImageSize(s, kWords);
        EXPECT_EQ(checked.tooLarge, c.tooLarge);
        EXPECT_EQ(s.XResolution().Whole, c.dpiAfter);
        EXPECT_EQ(s.YResolution().Whole, c.dpiAfter);
        EXPECT_EQ(checked.labels.fileSize, c.fileSizeAfter);
        EXPECT_EQ(checked.labels, SizeLabelsFor(s, kWords));
    }
}

}  // namespace
}  // namespace z8
