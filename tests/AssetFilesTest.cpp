#include "PictureFiles.h"

#include <gtest/gtest.h>

#include <set>

using namespace duomira::test;

namespace {

const std::vector<std::string> kCardPictures{
    "face00.bmp", "face01.bmp", "face02.bmp", "face03.bmp",   "face04.bmp",
    "face05.bmp", "face06.bmp", "face07.bmp", "face08.bmp",   "face09.bmp",
    "face10.bmp", "face11.bmp", "back.bmp",   "template.bmp",
};

std::vector<std::string> allBitmaps() {
    auto names = kCardPictures;
    names.push_back("about_picture.bmp");
    return names;
}

class CardBitmapFile : public testing::TestWithParam<std::string> {};

TEST_P(CardBitmapFile, HasTheCarriedHeaderLayout) {
    const Bytes b = readAsset(GetParam());
    const bool shortFace = GetParam() == "face10.bmp";
    const std::uint32_t imageSize = shortFace ? 6320 : 6400;
    ASSERT_EQ(b.size(), shortFace ? 6630u : 6710u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), b.size());
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), 310u);
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(i32(b, 18), 80);
    EXPECT_EQ(i32(b, 22), shortFace ? 79 : 80);
    EXPECT_EQ(u16(b, 26), 1u);
    EXPECT_EQ(u16(b, 28), 8u);
    EXPECT_EQ(u32(b, 30), 0u);
    EXPECT_EQ(u32(b, 34), imageSize);
    EXPECT_EQ(i32(b, 38), 0);
    EXPECT_EQ(i32(b, 42), 0);
    EXPECT_EQ(u32(b, 46), 64u);
    EXPECT_EQ(u32(b, 50), 64u);
    for (std::size_t entry = 0; entry < 64; ++entry)
        EXPECT_EQ(b[54 + 4 * entry + 3], 0) << "palette entry " << entry;
}

TEST_P(CardBitmapFile, PixelsUseOnlyTheFirst33PaletteEntries) {
    const CardBitmap picture = decodeCardBitmap(readAsset(GetParam()));
    for (std::uint8_t index : picture.indices)
        ASSERT_LE(index, 32);
}

TEST_P(CardBitmapFile, ShowsAFigureOnWhite) {
    const CardBitmap picture = decodeCardBitmap(readAsset(GetParam()));
    const int right = picture.width - 1, bottom = picture.height - 1;
    EXPECT_EQ(picture.rgb(0, 0), kWhite);
    EXPECT_EQ(picture.rgb(right, 0), kWhite);
    EXPECT_EQ(picture.rgb(0, bottom), kWhite);
    EXPECT_EQ(picture.rgb(right, bottom), kWhite);
    std::size_t white = 0;
    for (int y = 0; y <= bottom; ++y)
        for (int x = 0; x <= right; ++x)
            white += picture.rgb(x, y) == kWhite ? 1 : 0;
    const std::size_t all = picture.indices.size();
    EXPECT_GE(2 * white, all) << white << " of " << all << " white";
    EXPECT_LE(3 * white, 2 * all) << white << " of " << all << " white";
}

INSTANTIATE_TEST_SUITE_P(Pictures, CardBitmapFile, testing::ValuesIn(allBitmaps()),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             return name;
                         });

TEST(CardPictures, AreFourteenDifferentPictures) {
    std::vector<CardBitmap> pictures;
    for (const auto& name : kCardPictures)
        pictures.push_back(decodeCardBitmap(readAsset(name)));
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_FALSE(pictures[i] == pictures[j]) << kCardPictures[i] << " " << kCardPictures[j];
}

// Icons and cursors share the directory-plus-bitmap structure.
void expectImageHeader(const Bytes& b, int entry, int size, int bitsPerPixel, std::uint32_t bytes,
                       std::uint32_t offset) {
    const std::size_t dir = 6 + 16 * static_cast<std::size_t>(entry);
    EXPECT_EQ(b.at(dir), size);
    EXPECT_EQ(b.at(dir + 1), size);
    EXPECT_EQ(u32(b, dir + 8), bytes);
    EXPECT_EQ(u32(b, dir + 12), offset);
    EXPECT_EQ(u32(b, offset), 40u);
    EXPECT_EQ(i32(b, offset + 4), size);
    EXPECT_EQ(i32(b, offset + 8), 2 * size);
    EXPECT_EQ(u16(b, offset + 12), 1u);
    EXPECT_EQ(u16(b, offset + 14), static_cast<std::uint32_t>(bitsPerPixel));
    EXPECT_EQ(u32(b, offset + 16), 0u);
}

const std::vector<std::uint32_t> kStandardPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

class IconFile : public testing::TestWithParam<std::string> {};

TEST_P(IconFile, HoldsA32And16PixelImageInTheStandardPalette) {
    const Bytes b = readAsset(GetParam());
    ASSERT_EQ(b.size(), 1078u);
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 1u);
    EXPECT_EQ(u16(b, 4), 2u);
    expectImageHeader(b, 0, 32, 4, 744, 38);
    expectImageHeader(b, 1, 16, 4, 296, 38 + 744);
    for (int entry : {0, 1}) {
        const MaskedImage image = decodeIconImage(b, entry);
        EXPECT_EQ(image.palette, kStandardPalette);
        EXPECT_TRUE(image.isClear(0, 0)) << "top-left corner of image " << entry;
        EXPECT_TRUE(image.isClear(image.size - 1, image.size - 1));
        // See-through pixels must be black, or Windows would tint what lies behind.
        for (int y = 0; y < image.size; ++y)
            for (int x = 0; x < image.size; ++x)
                if (image.isClear(x, y)) {
                    ASSERT_EQ(image.index(x, y), 0) << x << "," << y;
                }
    }
}

INSTANTIATE_TEST_SUITE_P(Icons, IconFile, testing::Values("icon.ico", "about_icon.ico"),
                         [](const auto& info) {
                             return info.param == "icon.ico" ? "window" : "about";
                         });

std::multiset<std::uint32_t> shownColours(const MaskedImage& image) {
    std::multiset<std::uint32_t> colours;
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x)
            if (!image.isClear(x, y))
                colours.insert(image.rgb(x, y));
    return colours;
}

TEST(WindowIcon, LargeImageIsDrawnInBlackAndYellowOnly) {
    const auto colours = shownColours(decodeIconImage(readAsset("icon.ico"), 0));
    EXPECT_GT(colours.count(0x000000), 0u);
    EXPECT_GT(colours.count(0xffff00), 0u);
    EXPECT_EQ(colours.count(0x000000) + colours.count(0xffff00), colours.size());
}

TEST(AboutIcon, IsAWhiteLetterOnADarkBlueDisc) {
    for (int entry : {0, 1}) {
        const MaskedImage image = decodeIconImage(readAsset("about_icon.ico"), entry);
        const auto colours = shownColours(image);
        EXPECT_GT(colours.count(0x000080), colours.size() / 2) << "image " << entry;
        EXPECT_GT(colours.count(0xffffff), 0u);
        // The letter lies inside the disc: no white pixel touches the see-through edge.
        for (int y = 1; y < image.size - 1; ++y)
            for (int x = 1; x < image.size - 1; ++x)
                if (!image.isClear(x, y) && image.rgb(x, y) == 0xffffff) {
                    EXPECT_FALSE(image.isClear(x - 1, y) || image.isClear(x + 1, y) ||
                                 image.isClear(x, y - 1) || image.isClear(x, y + 1));
                }
        const int middle = image.size / 2;
        EXPECT_EQ(image.rgb(middle, middle), 0xffffffu) << "the letter's stem";
    }
}

TEST(HandCursor, IsAOneBit32PixelCursorWithItsHotspotInTheCorner) {
    const Bytes b = readAsset("hand.cur");
    ASSERT_EQ(b.size(), 326u);
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 2u);
    EXPECT_EQ(u16(b, 4), 1u);
    EXPECT_EQ(u16(b, 6 + 4), 0u) << "hotspot x";
    EXPECT_EQ(u16(b, 6 + 6), 0u) << "hotspot y";
    expectImageHeader(b, 0, 32, 1, 304, 22);
    const MaskedImage image = decodeIconImage(b, 0);
    EXPECT_EQ(image.palette, (std::vector<std::uint32_t>{0x000000, 0xffffff}));
}

TEST(HandCursor, IsAWhiteHandOutlinedInBlackWithOneFingerRaised) {
    const MaskedImage image = decodeIconImage(readAsset("hand.cur"), 0);
    const auto clearAt = [&](int x, int y) {
        return x < 0 || y < 0 || x >= image.size || y >= image.size || image.isClear(x, y);
    };
    int top = -1, widest = 0, whites = 0;
    std::vector<int> width(static_cast<std::size_t>(image.size), 0);
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x) {
            if (clearAt(x, y))
                continue;
            top = top < 0 ? y : top;
            ++width[static_cast<std::size_t>(y)];
            if (image.rgb(x, y) == 0xffffff) {
                ++whites;
                EXPECT_FALSE(clearAt(x - 1, y) || clearAt(x + 1, y) || clearAt(x, y - 1) ||
                             clearAt(x, y + 1))
                    << "white pixel on the edge at " << x << "," << y;
            }
        }
    for (int w : width)
        widest = std::max(widest, w);
    EXPECT_TRUE(image.isClear(0, 0)) << "the hotspot itself is see-through";
    EXPECT_GT(whites, 100);
    ASSERT_GE(top, 0);
    // A raised finger: the top rows are one finger wide, the palm many times that.
    EXPECT_LE(width[static_cast<std::size_t>(top + 2)], 4);
    EXPECT_GE(widest, 14);
}

} // namespace
