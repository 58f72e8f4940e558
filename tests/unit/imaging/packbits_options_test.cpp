#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "imaging/packbits.h"
#include "imaging/write_options.h"

namespace z8 {
namespace {

std::vector<std::uint8_t> Unpack(const std::vector<std::uint8_t>& in) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < in.size();) {
        const auto n = static_cast<std::int8_t>(in[i++]);
        if (n >= 0) {
            out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(i),
                       in.begin() + static_cast<std::ptrdiff_t>(i) + n + 1);
            i += static_cast<std::size_t>(n) + 1;
        } else if (n != -128) {
            out.insert(out.end(), static_cast<std::size_t>(1 - n), in[i++]);
        }
    }
    return out;
}

std::vector<std::uint8_t> Pack(const std::vector<std::uint8_t>& in) {
    std::vector<std::uint8_t> out(PackBitsBound(in.size()));
    out.resize(PackBits(in.data(), in.size(), out.data()));
    return out;
}

TEST(PackBits, EncodesRunsAndLiterals) {
    EXPECT_EQ(Pack({'A', 'A', 'A', 'B'}), (std::vector<std::uint8_t>{0xFE, 'A', 0x00, 'B'}));
    EXPECT_EQ(Pack({'A', 'A', 'B'}), (std::vector<std::uint8_t>{0x02, 'A', 'A', 'B'}));
    EXPECT_EQ(Pack(std::vector<std::uint8_t>(130, 7)),
              (std::vector<std::uint8_t>{0x81, 7, 0x01, 7, 7}));
    EXPECT_TRUE(Pack({}).empty());
}

TEST(PackBits, RoundTripsWithinItsBound) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<std::uint8_t> data(random() % 700);
        // Mixtures of noise and runs of every length.
        for (std::size_t i = 0; i < data.size();) {
            const std::size_t run = 1 + random() % (trial % 3 == 0 ? 2 : 200);
            const auto v = static_cast<std::uint8_t>(random() % (trial % 2 ? 3 : 256));
            for (std::size_t k = 0; k < run && i < data.size(); ++k)
                data[i++] = v;
        }
        const auto packed = Pack(data);
        EXPECT_LE(packed.size(), PackBitsBound(data.size()));
        ASSERT_EQ(Unpack(packed), data) << trial;
    }
}

TEST(WriteOptions, KeysWithAndWithoutValues) {
    WriteOptions options;
    options.Set("TIFF_XRES", "300");
    options.Set("tiff_compress", nullptr);
    EXPECT_TRUE(options.Has("tiff_xres"));
    EXPECT_EQ(options.Value("Tiff_XRes"), "300");
    EXPECT_TRUE(options.Has("TIFF_COMPRESS"));
    EXPECT_EQ(options.Value("TIFF_COMPRESS"), std::nullopt);
    EXPECT_FALSE(options.Has("LOSSY_QUALITY"));
    options.Set("TIFF_XRES", nullptr);
    EXPECT_EQ(options.Value("TIFF_XRES"), std::nullopt);

    EXPECT_EQ(ParseDecimal("90", 1, 100), 90u);
    EXPECT_EQ(ParseDecimal("4294967295", 1, UINT32_MAX), UINT32_MAX);
    for (const char* bad : {"", "0", "101", "9x", " 9", "-1", "99999999999"})
        EXPECT_EQ(ParseDecimal(bad, 1, 100), std::nullopt) << bad;
}

}  // namespace
}  // namespace z8
