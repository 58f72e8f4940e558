#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "imaging/bmp_file.h"
#include "imaging/image_file.h"
#include "imaging_test_support.h"

namespace z8::test {
namespace {

namespace fs = std::filesystem;

// Odd sizes so that every depth has row padding (and 1 bit a part byte).
constexpr int kWidth = 13;
constexpr int kHeight = 7;

std::unique_ptr<Image> Sample(GlobalMemory& memory, int bits) {
    auto image = MakeImage(memory, kWidth, kHeight, bits, [bits](int x, int y) -> std::uint32_t {
        if (bits == 1)
            return (x * x + 3 * y) % 7 < 3;
        if (bits == 8)
            return static_cast<std::uint32_t>(x * 19 + y * 31) & 0xFF;
        return static_cast<std::uint32_t>((x * 19) << 16 | (y * 35) << 8 | ((x + y) * 9)) &
               0xFFFFFF;
    });
    image->SetResolution(11811, 5906);  // 300 × 150 dpi
    return image;
}

// What the source sets for an uncompressed or a PackBits TIFF.
WriteOptions TiffOptions(bool packBits) {
    WriteOptions o;
    o.Set("COMPRESS", packBits ? "ON" : "OFF");
    if (packBits) {
        o.Set("TIFF_COMPRESS", "PACKBITS");
    } else {
        o.Set("TIFF_COMPRESS", nullptr);
        o.Set("TIFF_COLORMODEL", nullptr);
    }
    o.Set("TIFF_BYTEFORMAT", nullptr);
    o.Set("TIFF_FILLORDER", nullptr);
    o.Set("TIFF_XRES", "300");
    o.Set("TIFF_YRES", "150");
    o.Set("TIFF_ROWSPERSTRIP", nullptr);
    o.Set("TIFF_COPYRIGHT", nullptr);
    return o;
}

class ImageFiles : public testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"identify", "convert", "tiffinfo", "tiffdump", "djpeg"})
            ASSERT_TRUE(ToolAvailable(tool));
    }

    std::string Run(const std::string& command) {
        std::string out;
        EXPECT_TRUE(RunCommand(command, out)) << command;
        return out;
    }
    // The file decoded by ImageMagick into RGB bytes, rows from the top.
    std::vector<std::uint8_t> Decoded(const std::string& file) {
        std::string out = Run("convert '" + file + "' -depth 8 rgb:-");
        return {out.begin(), out.end()};
    }
    std::vector<std::string> LeftFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    GlobalMemoryTable memory;
    TempFolder folder;
};

TEST_F(ImageFiles, BmpOpensInAnIndependentReaderWithTheSamePixels) {
    for (int bits : {1, 8, 24}) {
        SCOPED_TRACE(bits);
        auto image = Sample(memory, bits);
        if (bits == 8)
            image->Palette()[19] = RgbQuad{10, 200, 30, 0};  // any table travels
        const std::string file = folder.File("page" + std::to_string(bits) + ".bmp");
        ASSERT_TRUE(WriteImageFile(file, "BMP", *image, WriteOptions{}));
        EXPECT_EQ(Run("identify -format '%m %w %h' '" + file + "'"), "BMP3 13 7");
        EXPECT_EQ(Decoded(file), RgbTopDown(*image));
        auto loaded = LoadBmpFile(memory, file);
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(std::ranges::equal(loaded->PackedDib(), image->PackedDib()));
    }
}

TEST_F(ImageFiles, TiffCarriesTheBaselineTagsAndTheSamePixels) {
    struct Case {
        int bits;
        bool packBits;
        bool swapped;  // 1 bit: index 0 white; 8 bits: a colour table
        const char* photometric;
    };
    const Case cases[] = {
        {1, false, false, "min-is-black"}, {1, true, true, "min-is-white"},
        {8, false, false, "min-is-black"}, {8, true, true, "palette color (RGB from colormap)"},
        {24, false, false, "RGB color"},   {24, true, false, "RGB color"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bits) + (c.packBits ? " packbits" : " none"));
        auto image = Sample(memory, c.bits);
        if (c.swapped && c.bits == 1)
            std::swap(image->Palette()[0], image->Palette()[1]);
        if (c.swapped && c.bits == 8)
            image->Palette()[19] = RgbQuad{10, 200, 30, 0};
        const std::string file = folder.File("page.tif");
        ASSERT_TRUE(WriteImageFile(file, "TIF", *image, TiffOptions(c.packBits)));

        const std::string info = Run("tiffinfo '" + file + "' 2>&1");
        EXPECT_NE(info.find("Image Width: 13 Image Length: 7"), std::string::npos) << info;
        EXPECT_NE(info.find("Resolution: 300, 150 pixels/inch"), std::string::npos) << info;
        EXPECT_NE(info.find(std::string("Photometric Interpretation: ") + c.photometric),
                  std::string::npos)
            << info;
        EXPECT_NE(
            info.find(c.packBits ? "Compression Scheme: PackBits" : "Compression Scheme: None"),
            std::string::npos)
            << info;
        EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
        const std::string dump = Run("tiffdump '" + file + "'");
        EXPECT_NE(dump.find(c.packBits ? "Compression (259) SHORT (3) 1<32773>"
                                       : "Compression (259) SHORT (3) 1<1>"),
                  std::string::npos)
            << dump;
        EXPECT_NE(dump.find("BitsPerSample (258) SHORT (3) " + std::string(c.bits == 24 ? "3<8 8 8>"
                                                                           : c.bits == 8 ? "1<8>"
                                                                                         : "1<1>")),
                  std::string::npos)
            << dump;
        EXPECT_NE(dump.find("ResolutionUnit (296) SHORT (3) 1<2>"), std::string::npos) << dump;
        EXPECT_EQ(Decoded(file), RgbTopDown(*image));
    }
}

TEST_F(ImageFiles, TiffStripsResolutionAndCopyrightFollowTheOptions) {
    auto image = Sample(memory, 24);
    WriteOptions options = TiffOptions(true);
    options.Set("TIFF_ROWSPERSTRIP", "3");
    options.Set("TIFF_COPYRIGHT", "Z8 test");
    options.Set("TIFF_XRES", nullptr);  // the image's own: 300 × 150
    options.Set("TIFF_YRES", nullptr);
    const std::string file = folder.File("strips.tif");
    ASSERT_TRUE(WriteImageFile(file, "tif", *image, options));
    const std::string info = Run("tiffinfo '" + file + "'");
    EXPECT_NE(info.find("Rows/Strip: 3"), std::string::npos) << info;
    EXPECT_NE(info.find("Copyright: Z8 test"), std::string::npos) << info;
    EXPECT_NE(info.find("Resolution: 300, 150 pixels/inch"), std::string::npos) << info;
    EXPECT_NE(Run("tiffdump '" + file + "'").find("StripOffsets (273) LONG (4) 3<"),
              std::string::npos);
    EXPECT_EQ(Decoded(file), RgbTopDown(*image));
}

double Psnr(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return 10 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(a.size())));
}

TEST_F(ImageFiles, JpegQualityRaisesFidelityAndTheDensityIsInDotsPerInch) {
    // A photograph-like picture: smooth shading with some detail.
    auto image = MakeImage(memory, 96, 64, 24, [](int x, int y) {
        const auto r = static_cast<std::uint32_t>(128 + 100 * std::sin(x / 9.0));
        const auto g = static_cast<std::uint32_t>(128 + 90 * std::cos(y / 7.0));
        const auto b = static_cast<std::uint32_t>(128 + 80 * std::sin((x + y) / 11.0));
        return r << 16 | g << 8 | b;
    });
    image->SetResolution(11811, 11811);
    const struct {
        const char* quality;
        double minimum;
    } levels[] = {{"30", 32.0}, {"60", 35.0}, {"90", 40.0}};
    double previous = 0;
    for (const auto& level : levels) {
        SCOPED_TRACE(level.quality);
        WriteOptions options;
        options.Set("LOSSY_QUALITY", level.quality);
        const std::string file = folder.File(std::string("q") + level.quality + ".jpg");
        ASSERT_TRUE(WriteImageFile(file, "JPG", *image, options));
        EXPECT_EQ(Run("identify -format '%m %w %h %x %y %U' '" + file + "'"),
                  "JPEG 96 64 300 300 PixelsPerInch");
        int w = 0, h = 0;
        std::vector<std::uint8_t> rgb;
        ASSERT_TRUE(ParsePnm(Run("djpeg -pnm '" + file + "'"), w, h, rgb));
        ASSERT_EQ(w, 96);
        ASSERT_EQ(h, 64);
        const double psnr = Psnr(rgb, RgbTopDown(*image));
        EXPECT_GT(psnr, level.minimum);
        EXPECT_GT(psnr, previous);
        previous = psnr;
    }
}

TEST_F(ImageFiles, JpegOfGreyAndBilevelImagesIsGrey) {
    for (int bits : {1, 8}) {
        SCOPED_TRACE(bits);
        auto image = Sample(memory, bits);
        WriteOptions options;
        options.Set("LOSSY_QUALITY", "90");
        const std::string file = folder.File("grey.jpg");
        ASSERT_TRUE(WriteImageFile(file, "JPG", *image, options));
        const std::string out = Run("djpeg -pnm '" + file + "'");
        EXPECT_EQ(out.substr(0, 2), "P5");
        int w = 0, h = 0;
        std::vector<std::uint8_t> rgb;
        ASSERT_TRUE(ParsePnm(out, w, h, rgb));
        EXPECT_GT(Psnr(rgb, RgbTopDown(*image)), bits == 8 ? 30.0 : 15.0);
    }
}

TEST_F(ImageFiles, AFailedWriteLeavesNoFileAndKeepsAnOldOne) {
    auto image = Sample(memory, 24);
    const std::string file = folder.File("scan.tif");
    { std::ofstream(file) << "old"; }
    WriteOptions badResolution = TiffOptions(false);
    badResolution.Set("TIFF_XRES", "300dpi");
    WriteOptions badQuality;
    badQuality.Set("LOSSY_QUALITY", "0");
    WriteOptions byteOrder = TiffOptions(false);
    byteOrder.Set("TIFF_BYTEFORMAT", "MM");
    WriteOptions lzw = TiffOptions(true);
    lzw.Set("TIFF_COMPRESS", "LZW");

    EXPECT_FALSE(WriteImageFile(file, "PNG", *image, WriteOptions{}));
    EXPECT_FALSE(WriteImageFile(file, "TIF", *image, badResolution));
    EXPECT_FALSE(WriteImageFile(file, "TIF", *image, byteOrder));
    EXPECT_FALSE(WriteImageFile(file, "TIF", *image, lzw));
    EXPECT_FALSE(WriteImageFile(file, "JPG", *image, badQuality));
    EXPECT_FALSE(WriteImageFile(folder.File("no/such/folder.bmp"), "BMP", *image, WriteOptions{}));
    EXPECT_EQ(LeftFiles(), std::vector<std::string>{"scan.tif"});
    std::ifstream in(file);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "old");

    // A disk that fills up half-way: the file-size limit stands in for it.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool bmp = WriteImageFile(file, "BMP", *image, WriteOptions{});
    const bool tif = WriteImageFile(file, "TIF", *image, TiffOptions(false));
    WriteOptions quality;
    quality.Set("LOSSY_QUALITY", "90");
    const bool jpg = WriteImageFile(file, "JPG", *image, quality);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(bmp);
    EXPECT_FALSE(tif);
    EXPECT_FALSE(jpg);
    EXPECT_EQ(LeftFiles(), std::vector<std::string>{"scan.tif"});
}

}  // namespace
}  // namespace z8::test
