#include "PictureSet.h"

#include "CardArray.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QScreen>
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

// The card pictures and the hand come drawn for screens of 1, 1.5 and 2 device
// pixels to a pixel; a screen gets the set nearest its own ratio, which Qt then
// shows at the designed size. A set far off would be stretched a long way.
struct Density {
    qreal ratio;
    QString suffix; // before the extension: face00@2x.bmp
};

Density densityOfScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    if (ratio < 1.25)
        return {1.0, QString()};
    if (ratio < 1.75)
        return {1.5, QStringLiteral("@1.5x")};
    return {2.0, QStringLiteral("@2x")};
}

// Named and not detected, a format goes straight to its reader: left to
// detection, Qt loads the image plugins one by one to ask each of them first.
void readAs(QImageReader& reader, const QString& file, const char* format) {
    reader.setFileName(resource(file));
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
}

QPixmap loadBitmap(const QString& name, const Density& density) {
    const QString file = name + density.suffix + QStringLiteral(".bmp");
    QImageReader reader;
    readAs(reader, file, "BMP");
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    if (pixmap.isNull())
        missing(file);
    pixmap.setDevicePixelRatio(density.ratio);
    return pixmap;
}

QIcon loadIcon(const QString& name) {
    QImageReader reader;
    readAs(reader, name, "ICO");
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
QCursor loadCursor(const QString& name, const Density& density) {
    const QString file = name + density.suffix + QStringLiteral(".cur");
    QFile source(resource(file));
    if (!source.open(QIODevice::ReadOnly))
        missing(file);
    const QByteArray bytes = source.readAll();
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    constexpr qsizetype kEntry = 6, kHeaderSize = 40;
    if (bytes.size() < kEntry + 16 || u16(2) != 2 || u16(4) < 1)
        missing(file);
    const int size = static_cast<unsigned char>(bytes[kEntry]);
    const qsizetype image = u32(kEntry + 12);
    const qsizetype rowBytes = (size + 31) / 32 * 4;
    const qsizetype palette = image + kHeaderSize;
    const qsizetype colours = palette + 2 * 4;
    const qsizetype mask = colours + size * rowBytes;
    if (size == 0 || u16(image + 14) != 1 || mask + size * rowBytes > bytes.size())
        missing(file);
    const bool indexOneIsBlack = static_cast<unsigned char>(bytes[palette + 4]) < 128;

    QImage hand(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const qsizetype row = (size - 1 - y) * rowBytes; // stored bottom-up
        for (int x = 0; x < size; ++x) {
            const auto bit = [&](qsizetype base) {
                return (static_cast<unsigned char>(bytes[base + row + x / 8]) >> (7 - x % 8)) & 1;
            };
            const bool shown = bit(mask) == 0;
            const bool isBlack = (bit(colours) == 1) == indexOneIsBlack;
            hand.setPixel(x, y,
                          !shown    ? qRgba(0, 0, 0, 0)
                          : isBlack ? qRgb(0, 0, 0)
                                    : qRgb(255, 255, 255));
        }
    }
    // A cursor made from a pixmap keeps the pixmap's ratio: the dense hand is
    // shown at the designed size.
    QPixmap pixmap = QPixmap::fromImage(hand);
    pixmap.setDevicePixelRatio(density.ratio);
    return QCursor(pixmap, 0, 0);
}

} // namespace

PictureSet::PictureSet() : windowIcon_(loadIcon(QStringLiteral("icon.ico"))) {
    const Density density = densityOfScreen();
    ratio_ = density.ratio;
    suffix_ = density.suffix;
    back_ = loadBitmap(QStringLiteral("back"), density);
    slotTemplate_ = loadBitmap(QStringLiteral("template"), density);
    handCursor_ = loadCursor(QStringLiteral("hand"), density);
}

const QPixmap& PictureSet::face(int picture) const {
    QPixmap& face = faces_[subscript(picture, kPictureCount)];
    if (face.isNull())
        face = loadBitmap(QStringLiteral("face%1").arg(picture, 2, 10, QLatin1Char('0')),
                          {ratio_, suffix_});
    return face;
}

const QPixmap& PictureSet::aboutPicture() const {
    if (aboutPicture_.isNull())
        aboutPicture_ = loadBitmap(QStringLiteral("about_picture"), {ratio_, suffix_});
    return aboutPicture_;
}

const QIcon& PictureSet::aboutIcon() const {
    if (aboutIcon_.isNull())
        aboutIcon_ = loadIcon(QStringLiteral("about_icon.ico"));
    return aboutIcon_;
}

} // namespace duomira
