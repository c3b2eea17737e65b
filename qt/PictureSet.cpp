#include "PictureSet.h"

#include "GameError.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <stdexcept>

namespace duomira {

namespace {

QString resource(const QString& name) {
    return QStringLiteral(":/pictures/") + name;
}

[[noreturn]] void missing(const QString& name) {
    // Only a broken build gets here: the pictures are compiled into the program.
    throw std::runtime_error("picture resource unreadable: " + name.toStdString());
}

QPixmap loadBitmap(const QString& name) {
    QPixmap pixmap;
    if (!pixmap.load(resource(name), "BMP"))
        missing(name);
    return pixmap;
}

QIcon loadIcon(const QString& name) {
    QImageReader reader(resource(name), "ICO");
    QIcon icon;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.isNull())
            missing(name);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull())
        missing(name);
    return icon;
}

// Qt has no reader for Windows cursors, so the one 1-bit image of the file is taken
// apart here: colour bits with a black/white palette, then the see-through mask.
QCursor loadCursor(const QString& name) {
    QFile file(resource(name));
    if (!file.open(QIODevice::ReadOnly))
        missing(name);
    const QByteArray bytes = file.readAll();
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    constexpr qsizetype kEntry = 6, kHeaderSize = 40;
    if (bytes.size() < kEntry + 16 || u16(2) != 2 || u16(4) < 1)
        missing(name);
    const int size = static_cast<unsigned char>(bytes[kEntry]);
    const qsizetype image = u32(kEntry + 12);
    const qsizetype rowBytes = (size + 31) / 32 * 4;
    const qsizetype palette = image + kHeaderSize;
    const qsizetype colours = palette + 2 * 4;
    const qsizetype mask = colours + size * rowBytes;
    if (size == 0 || u16(image + 14) != 1 || mask + size * rowBytes > bytes.size())
        missing(name);
    const bool indexOneIsBlack = static_cast<unsigned char>(bytes[palette + 4]) < 128;

    // Bit 1 is Qt::color1 in both bitmaps: black in the picture, shown in the mask.
    const QList<QRgb> bitColours{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QImage black(size, size, QImage::Format_MonoLSB);
    QImage opaque(size, size, QImage::Format_MonoLSB);
    black.setColorTable(bitColours);
    opaque.setColorTable(bitColours);
    for (int y = 0; y < size; ++y) {
        const qsizetype row = (size - 1 - y) * rowBytes; // stored bottom-up
        for (int x = 0; x < size; ++x) {
            const auto bit = [&](qsizetype base) {
                return (static_cast<unsigned char>(bytes[base + row + x / 8]) >> (7 - x % 8)) & 1;
            };
            const bool shown = bit(mask) == 0;
            const bool isBlack = (bit(colours) == 1) == indexOneIsBlack;
            black.setPixel(x, y, shown && isBlack ? 1 : 0);
            opaque.setPixel(x, y, shown ? 1 : 0);
        }
    }
    return QCursor(QBitmap::fromImage(black), QBitmap::fromImage(opaque), 0, 0);
}

} // namespace

PictureSet::PictureSet()
    : back_(loadBitmap(QStringLiteral("back.bmp"))),
      slotTemplate_(loadBitmap(QStringLiteral("template.bmp"))),
      windowIcon_(loadIcon(QStringLiteral("icon.ico"))),
      handCursor_(loadCursor(QStringLiteral("hand.cur"))),
      aboutPicture_(loadBitmap(QStringLiteral("about_picture.bmp"))),
      aboutIcon_(loadIcon(QStringLiteral("about_icon.ico"))) {
    for (int p = 0; p < kFaceCount; ++p)
        faces_[static_cast<std::size_t>(p)] =
            loadBitmap(QStringLiteral("face%1.bmp").arg(p, 2, 10, QLatin1Char('0')));
}

const QPixmap& PictureSet::face(int picture) const {
    if (picture < 0 || picture >= kFaceCount)
        throw GameError(GameErrorKind::SubscriptOutOfRange);
    return faces_[static_cast<std::size_t>(picture)];
}

} // namespace duomira
