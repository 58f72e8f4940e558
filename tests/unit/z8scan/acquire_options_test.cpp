#include "tools/z8scan/acquire_options.h"

#include <gtest/gtest.h>

namespace z8scan {
namespace {

// The capability steps as "CAP=item" words, in order.
std::vector<std::string> Steps(const AcquireOptions& o) {
    std::vector<std::string> words;
    for (const CapabilityStep& s : o.steps)
        words.push_back(std::to_string(s.cap) + "=" + std::to_string(s.item));
    return words;
}

TEST(AcquireOptions, WhatIsAskedBecomesCapabilitiesInOrder) {
    const AcquireParse r = ParseAcquire({"--source", "VARUR UZ Edazi 1.0", "--memory", "--handle",
                                         "--strip", "min", "--pixel-type", "rgb", "--dpi", "150",
                                         "--frame", "0.5,0.25,2.5,1.125", "--feeder", "--count",
                                         "-1", "--out", "out", "--probe", "--short-buffer-first"});
    ASSERT_TRUE(r.ok) << r.error;
    const AcquireOptions& o = r.options;
    EXPECT_EQ(o.source, "VARUR UZ Edazi 1.0");
    EXPECT_EQ(o.mechanism, Mechanism::Memory);
    EXPECT_TRUE(o.handle);
    EXPECT_EQ(o.strip, "min");
    EXPECT_EQ(o.out, "out");
    EXPECT_TRUE(o.probe && o.shortBufferFirst);
    // Inches first, then the mechanism, then the rest as given.
    EXPECT_EQ(
        Steps(o),
        (std::vector<std::string>{
            std::to_string(ICAP_UNITS) + "=0", std::to_string(ICAP_XFERMECH) + "=2",
            std::to_string(ICAP_PIXELTYPE) + "=2", std::to_string(ICAP_XRESOLUTION) + "=150",
            std::to_string(ICAP_YRESOLUTION) + "=150", std::to_string(CAP_FEEDERENABLED) + "=1",
            std::to_string(CAP_XFERCOUNT) + "=65535"}));
    ASSERT_TRUE(o.frame.has_value());
    EXPECT_EQ(o.frame->Left.Whole, 0);
    EXPECT_EQ(o.frame->Left.Frac, 32768);
    EXPECT_EQ(o.frame->Bottom.Whole, 1);
    EXPECT_EQ(o.frame->Bottom.Frac, 8192);

    const AcquireParse file =
        ParseAcquire({"--file", "--file-name", "scans\\a.tif", "--file-format", "tiff",
                      "--app-name", "Lumeto Application", "--script", "save.txt"});
    ASSERT_TRUE(file.ok) << file.error;
    EXPECT_EQ(file.options.mechanism, Mechanism::File);
    EXPECT_EQ(file.options.fileName, "scans\\a.tif");
    EXPECT_EQ(file.options.fileFormat, TWFF_TIFF);
    EXPECT_EQ(file.options.appName, "Lumeto Application");
    EXPECT_EQ(file.options.script, "save.txt");

    const AcquireParse plain = ParseAcquire({});
    ASSERT_TRUE(plain.ok);
    EXPECT_EQ(plain.options.mechanism, Mechanism::Native);
    EXPECT_FALSE(plain.options.showUI);
    EXPECT_EQ(plain.options.appName, "z8scan");
    EXPECT_EQ(plain.options.fileFormat, TWFF_BMP);
    EXPECT_EQ(Steps(plain.options),
              (std::vector<std::string>{std::to_string(ICAP_XFERMECH) + "=0"}));
}

TEST(AcquireOptions, MistakesAreNamed) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--dpi"}, "--dpi needs a value"},
        {{"--dpi", "0"}, "--dpi takes a resolution from 1 to 2400"},
        {{"--pixel-type", "cmyk"}, "--pixel-type takes bw, grey, palette or rgb"},
        {{"--frame", "1,2,3"}, "--frame takes four lengths in inches: left,top,right,bottom"},
        {{"--frame", "1,2,3,x"}, "--frame takes four lengths in inches: left,top,right,bottom"},
        {{"--count", "0"}, "--count takes -1 or a number of pages from 1 to 15360"},
        {{"--strip", "lots"}, "--strip takes preferred, min, max or a number of bytes"},
        {{"--press-scan"}, "--press-scan needs --ui"},
        {{"--end-after-strips", "2"}, "--end-after-strips and --short-buffer-first need --memory"},
        {{"--scan"}, "unexpected argument '--scan'"},
        {{"--file", "--file-format", "png"}, "--file-format takes tiff, pict, bmp, xbm or jfif"},
        {{"--file-format", "tiff"}, "--file-name and --file-format need --file"},
        {{"--app-name"}, "--app-name needs a value"},
    };
    for (const auto& [args, error] : cases) {
        const AcquireParse r = ParseAcquire(args);
        EXPECT_FALSE(r.ok) << args[0];
        EXPECT_EQ(r.error, error);
    }
}

}  // namespace
}  // namespace z8scan
