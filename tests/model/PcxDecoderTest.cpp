// The PCX reader on small pictures of every layout it knows, and on damaged or
// hostile files.

#include "presentation/PcxDecoder.h"
#include "core/SafeFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ombrix {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<int, 3>;

Bytes Fixture(const char* name) {
    const auto text = ReadWholeFile(std::string(OMBRIX_TEST_DATA "/pcx/") + name);
    EXPECT_TRUE(text) << name;
    return text ? Bytes(text->begin(), text->end()) : Bytes{};
}

Rgb Pixel(const RgbPicture& picture, int x, int y) {
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                     static_cast<std::size_t>(x)) *
                    3;
    return {picture.rgb[at], picture.rgb[at + 1], picture.rgb[at + 2]};
}

// A header of a picture of w x h, planes x bits, bytesPerLine, run-length coded.
Bytes Header(int bits, int planes, int w, int h, int bytesPerLine) {
    Bytes header(128, 0);
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = 1;
    header[3] = static_cast<std::uint8_t>(bits);
    header[8] = static_cast<std::uint8_t>((w - 1) & 0xFF);
    header[9] = static_cast<std::uint8_t>((w - 1) >> 8);
    header[10] = static_cast<std::uint8_t>((h - 1) & 0xFF);
    header[11] = static_cast<std::uint8_t>((h - 1) >> 8);
    header[65] = static_cast<std::uint8_t>(planes);
    header[66] = static_cast<std::uint8_t>(bytesPerLine & 0xFF);
    header[67] = static_cast<std::uint8_t>(bytesPerLine >> 8);
    return header;
}

TEST(PcxDecoderTest, DecodesEveryLayoutOfTheFixtures) {
    struct Case {
        const char* file;
        int width, height;
        std::vector<std::pair<std::array<int, 2>, Rgb>> pixels; // (x, y) -> colour
    };
    const Case cases[] = {
        {"pal8_3x2.pcx",
         3,
         2,
         {{{0, 0}, {255, 0, 0}},
          {{1, 0}, {0, 255, 0}},
          {{2, 0}, {0, 0, 255}},
          {{0, 1}, {0, 0, 255}},
          {{2, 1}, {0, 0, 255}}}},
        {"rgb24_2x2.pcx", 2, 2, {{{0, 0}, {10, 30, 50}}, {{1, 1}, {80, 100, 120}}}},
        {"mono_10x1.pcx",
         10,
         1,
         {{{0, 0}, {255, 255, 255}},
          {{1, 0}, {0, 0, 0}},
          {{8, 0}, {255, 255, 255}},
          {{9, 0}, {0, 0, 0}}}},
        {"ega16_3x1.pcx",
         3,
         1,
         {{{0, 0}, {0, 0, 0}}, {{1, 0}, {170, 0, 170}}, {{2, 0}, {255, 255, 255}}}},
    };
    for (const Case& c : cases) {
        RgbPicture picture;
        ASSERT_EQ(DecodePcx(Fixture(c.file), picture), PcxResult::eDecoded) << c.file;
        EXPECT_EQ(picture.width, c.width) << c.file;
        EXPECT_EQ(picture.height, c.height) << c.file;
        for (const auto& [at, colour] : c.pixels)
            EXPECT_EQ(Pixel(picture, at[0], at[1]), colour)
                << c.file << " " << at[0] << "," << at[1];
    }
}

TEST(PcxDecoderTest, TheDemoPictureDecodes) {
    const auto text = ReadWholeFile(OMBRIX_DATA_DIR "/Demo_station.pcx");
    ASSERT_TRUE(text);
    const Bytes data(text->begin(), text->end());
    ASSERT_TRUE(LooksLikePcx(data));
    RgbPicture picture;
    ASSERT_EQ(DecodePcx(data, picture), PcxResult::eDecoded);
    EXPECT_EQ(picture.width, 640);
    EXPECT_EQ(picture.height, 480);
}

TEST(PcxDecoderTest, RefusesDamagedAndHostileFiles) {
    const Bytes good = Fixture("pal8_3x2.pcx");
    struct Case {
        const char* what;
        Bytes data;
        PcxResult expected;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, PcxResult::eNotPcx});
    cases.push_back(
        {"a header cut short", Bytes(good.begin(), good.begin() + 100), PcxResult::eNotPcx});
    Bytes png = good;
    png[0] = 0x89;
    cases.push_back({"another format", png, PcxResult::eNotPcx});
    cases.push_back({"pixel data cut in the first line", Bytes(good.begin(), good.begin() + 130),
                     PcxResult::eTruncated});
    Bytes inverted = good;
    inverted[8] = 0, inverted[4] = 5;
    cases.push_back({"xmax before xmin", inverted, PcxResult::eBadSize});
    Bytes narrow = good;
    narrow[66] = 2;
    cases.push_back({"lines shorter than the width", narrow, PcxResult::eBadSize});
    Bytes planes = good;
    planes[65] = 2;
    cases.push_back({"two planes of 8 bits", planes, PcxResult::eUnsupported});
    // 65535 x 65535 promised by a file of a few bytes: refused before allocating.
    Bytes huge = Header(8, 1, 65536, 65536, 65535);
    huge.insert(huge.end(), {0xFF, 0x00});
    cases.push_back({"giant header", huge, PcxResult::eBadSize});
    Bytes big = Header(8, 3, 4000, 4000, 4000);
    big.insert(big.end(), {0xFF, 0x00});
    cases.push_back({"more lines than the data can hold", big, PcxResult::eTruncated});
    Bytes runAtEnd = Header(8, 1, 4, 1, 4);
    runAtEnd.insert(runAtEnd.end(), {0x01, 0x02, 0xC2});
    cases.push_back({"a run marker as the last byte", runAtEnd, PcxResult::eTruncated});

    for (const Case& c : cases) {
        RgbPicture picture;
        EXPECT_EQ(DecodePcx(c.data, picture), c.expected) << c.what;
        EXPECT_TRUE(picture.rgb.empty() || c.expected == PcxResult::eDecoded) << c.what;
    }
}

TEST(PcxDecoderTest, IndexesOutsideThePaletteDrawBlack) {
    // 8 bits in one plane without a trailing palette: grey levels.
    Bytes grey = Header(8, 1, 2, 1, 2);
    grey.insert(grey.end(), {0x40, 0xC1, 0xC8});
    RgbPicture picture;
    ASSERT_EQ(DecodePcx(grey, picture), PcxResult::eDecoded);
    EXPECT_EQ(Pixel(picture, 0, 0), (Rgb{0x40, 0x40, 0x40}));
    EXPECT_EQ(Pixel(picture, 1, 0), (Rgb{0xC8, 0xC8, 0xC8}));

    // 8 planes of 1 bit reach index 255 with only the header's 16 colours.
    Bytes deep = Header(1, 8, 1, 1, 1);
    for (int plane = 0; plane < 8; ++plane)
        deep.insert(deep.end(), {0xC1, 0x80});
    ASSERT_EQ(DecodePcx(deep, picture), PcxResult::eDecoded);
    EXPECT_EQ(Pixel(picture, 0, 0), (Rgb{0, 0, 0}));
}

} // namespace
} // namespace ombrix
