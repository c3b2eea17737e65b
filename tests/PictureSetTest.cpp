#include "PictureSet.h"

#include "GameError.h"
#include "PictureFiles.h"

#include <QBitmap>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>

using duomira::GameError;
using duomira::GameErrorKind;
using duomira::PictureSet;
using namespace duomira::test;

namespace {

class PictureSetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { set = new PictureSet; }
    static void TearDownTestSuite() {
        delete set;
        set = nullptr;
    }
    static inline PictureSet* set = nullptr;
};

std::string faceFile(int p) {
    char name[24]; // room for any int, as GCC's format check asks
    std::snprintf(name, sizeof name, "face%02d.bmp", p);
    return name;
}

// The decoded pixmap shows exactly the committed file.
void expectShows(const QPixmap& pixmap, const std::string& file) {
    const CardBitmap expected = decodeCardBitmap(readAsset(file));
    const QImage shown = pixmap.toImage();
    ASSERT_EQ(shown.size(), QSize(expected.width, expected.height)) << file;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            ASSERT_EQ(shown.pixel(x, y) & 0xffffff, expected.rgb(x, y))
                << file << " at " << x << "," << y;
}

TEST_F(PictureSetTest, FacePShowsTheFacePBitmap) {
    for (int p = 0; p < PictureSet::kFaceCount; ++p)
        expectShows(set->face(p), faceFile(p));
    EXPECT_EQ(set->face(10).size(), QSize(80, 79));
}

TEST_F(PictureSetTest, BackTemplateAndAboutPictureAreTheirBitmaps) {
    expectShows(set->back(), "back.bmp");
    expectShows(set->slotTemplate(), "template.bmp");
    expectShows(set->aboutPicture(), "about_picture.bmp");
}

TEST_F(PictureSetTest, FaceOutsideTheTwelveIsASubscriptError) {
    for (int p : {-1, 12, 32767}) {
        try {
            set->face(p);
            ADD_FAILURE() << "face " << p << " did not throw";
        } catch (const GameError& e) {
            EXPECT_EQ(e.kind(), GameErrorKind::SubscriptOutOfRange);
        }
    }
}

TEST_F(PictureSetTest, TurningACardHandsOutTheKeptPixmap) {
    const QPixmap& first = set->face(3);
    EXPECT_EQ(&first, &set->face(3));
    EXPECT_EQ(first.cacheKey(), set->face(3).cacheKey());
    EXPECT_EQ(&set->back(), &set->back());
}

TEST_F(PictureSetTest, IconsOfferBothSizes) {
    for (const QIcon* icon : {&set->windowIcon(), &set->aboutIcon()}) {
        const QList<QSize> sizes = icon->availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    }
    const QImage large = set->windowIcon().pixmap(32, 32).toImage();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = large.pixel(x, y);
            if (qAlpha(c) != 0) {
                EXPECT_TRUE((c & 0xffffff) == 0x000000 || (c & 0xffffff) == 0xffff00)
                    << x << "," << y;
            }
        }
}

// Qt cannot read .cur files, so the cursor is rebuilt from the file's bits: it must keep
// row order, bit order and which bits are black and which are see-through.
TEST_F(PictureSetTest, HandCursorIsTheFilesPictureWithHotspotInTheCorner) {
    const QCursor& cursor = set->handCursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    const QImage black = cursor.bitmap().toImage();
    const QImage shown = cursor.mask().toImage();
    const MaskedImage file = decodeIconImage(readAsset("hand.cur"), 0);
    ASSERT_EQ(black.size(), QSize(32, 32));
    ASSERT_EQ(shown.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool opaque = !file.isClear(x, y);
            ASSERT_EQ(qGray(shown.pixel(x, y)) < 128, opaque) << x << "," << y;
            ASSERT_EQ(qGray(black.pixel(x, y)) < 128, opaque && file.rgb(x, y) == 0)
                << x << "," << y;
        }
}

} // namespace
