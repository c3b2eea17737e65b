#include "GameError.h"
#include "PictureSet.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>

namespace duomira {
namespace {

QByteArray asset(const QString& name) {
    QFile file(QStringLiteral(DUOMIRA_ASSETS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QStringList cardPictures() {
    QStringList names;
    for (int p = 0; p < PictureSet::kFaceCount; ++p)
        names << QStringLiteral("face%1.bmp").arg(p, 2, 10, QLatin1Char('0'));
    return names << QStringLiteral("back.bmp") << QStringLiteral("template.bmp");
}

QImage picture(const QString& name) {
    return QImage::fromData(asset(name), "BMP");
}

QImage pixels(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(PictureFiles, BitmapsAreEightBitFiguresOnWhiteAndAllDifferent) {
    QSet<QByteArray> different;
    const QStringList bitmaps = cardPictures() << QStringLiteral("about_picture.bmp");
    for (const QString& name : bitmaps) {
        const QByteArray bytes = asset(name);
        const bool shortFace = name == QLatin1String("face10.bmp");
        // file size; pixels from byte 310 at 8 bits, uncompressed; pixel bytes; 64 colours
        EXPECT_EQ(QList<quint32>({quint32(bytes.size()), u32(bytes, 10), u16(bytes, 28),
                                  u32(bytes, 30), u32(bytes, 34), u32(bytes, 46), u32(bytes, 50)}),
                  QList<quint32>(
                      {shortFace ? 6630U : 6710U, 310, 8, 0, shortFace ? 6320U : 6400U, 64, 64}))
            << name.toStdString();
        const QImage image = picture(name);
        ASSERT_EQ(image.size(), QSize(80, shortFace ? 79 : 80)) << name.toStdString();
        const int right = image.width() - 1, bottom = image.height() - 1;
        int white = 0, highestColour = 0;
        for (int y = 0; y <= bottom; ++y)
            for (int x = 0; x <= right; ++x) {
                white += image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
                highestColour = std::max(highestColour, image.pixelIndex(x, y));
            }
        EXPECT_LE(highestColour, 32) << name.toStdString();
        for (QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255)) << name.toStdString();
        EXPECT_GE(2 * white, image.width() * image.height()) << name.toStdString();
        EXPECT_LE(3 * white, 2 * image.width() * image.height()) << name.toStdString();
        const QImage drawn = pixels(image);
        different.insert(
            QByteArray(reinterpret_cast<const char*>(drawn.constBits()), drawn.sizeInBytes()));
    }
    EXPECT_EQ(different.size(), 15) << "two of the pictures are the same";
}

TEST(PictureFiles, IconsHoldTwoSizesAndTheCursorItsCornerHotspot) {
    for (const QString& name : {QStringLiteral("icon.ico"), QStringLiteral("about_icon.ico")}) {
        const QByteArray bytes = asset(name); // two images: 32 and 16 pixels at 4 bits
        EXPECT_EQ(QList<int>({int(bytes.size()), int(u16(bytes, 4)), bytes[6], int(u16(bytes, 12)),
                              bytes[22], int(u16(bytes, 28))}),
                  QList<int>({1078, 2, 32, 4, 16, 4}));
    }
    const QImage large = QImageReader(QStringLiteral(DUOMIRA_ASSETS_DIR "/icon.ico"), "ICO").read();
    ASSERT_EQ(large.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (const QRgb colour = large.pixel(x, y); qAlpha(colour) != 0) {
                ASSERT_TRUE(colour == qRgb(0, 0, 0) || colour == qRgb(255, 255, 0))
                    << x << "," << y;
            }
    const QByteArray cursor = asset(QStringLiteral("hand.cur")); // one 32 x 32 image, hotspot 0, 0
    EXPECT_EQ(QList<int>({int(cursor.size()), int(u16(cursor, 2)), int(u16(cursor, 4)), cursor[6],
                          cursor[7], int(u16(cursor, 10)), int(u16(cursor, 12))}),
              QList<int>({326, 2, 1, 32, 32, 0, 0}));
}

TEST(PictureSet, HoldsTheCommittedPictures) {
    const PictureSet set;
    for (int p = 0; p < PictureSet::kFaceCount; ++p)
        EXPECT_EQ(pixels(set.face(p).toImage()), pixels(picture(cardPictures()[p]))) << p;
    EXPECT_EQ(pixels(set.back().toImage()), pixels(picture(QStringLiteral("back.bmp"))));
    EXPECT_THROW(set.face(-1), GameError);
    EXPECT_THROW(set.face(12), GameError);
    EXPECT_EQ(set.handCursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(set.windowIcon().availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
}

} // namespace
} // namespace duomira
