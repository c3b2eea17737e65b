#include "SmallPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <string_view>

namespace duomira::art {

namespace {

// Pixel art is clearer than scaled drawing at these sizes. In the patterns,
// '.' leaves the picture untouched and any other letter paints `ink`.
void stamp(MaskedPicture& picture, std::initializer_list<std::string_view> rows, int left, int top,
           int ink) {
    int y = top;
    for (std::string_view row : rows) {
        for (int x = 0; x < static_cast<int>(row.size()); ++x)
            if (row[static_cast<std::size_t>(x)] != '.')
                picture.pixels[static_cast<std::size_t>(y * picture.size + left + x)] = ink;
        ++y;
    }
}

MaskedPicture clearPicture(int size) {
    return {size, std::vector<int>(static_cast<std::size_t>(size * size), MaskedPicture::kClear)};
}

// A card with a one-pixel outline and clipped corners.
void card(MaskedPicture& picture, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const bool edgeX = x == left || x == right;
            const bool edgeY = y == top || y == bottom;
            if (edgeX && edgeY)
                continue;
            picture.pixels[static_cast<std::size_t>(y * picture.size + x)] =
                edgeX || edgeY ? vga::kBlack : vga::kYellow;
        }
}

MaskedPicture twoCards32() {
    MaskedPicture picture = clearPicture(32);
    card(picture, 1, 1, 19, 24);
    card(picture, 13, 8, 30, 30);
    const std::initializer_list<std::string_view> heart{
        ".XX...XX.", "XXXX.XXXX", "XXXXXXXXX", "XXXXXXXXX",
        ".XXXXXXX.", "..XXXXX..", "...XXX...", "....X....",
    };
    stamp(picture, heart, 3, 4, vga::kBlack);
    stamp(picture, heart, 17, 15, vga::kBlack);
    return picture;
}

MaskedPicture twoCards16() {
    MaskedPicture picture = clearPicture(16);
    card(picture, 0, 0, 9, 11);
    card(picture, 6, 4, 15, 15);
    const std::initializer_list<std::string_view> heart{"XX.XX", "XXXXX", ".XXX.", "..X.."};
    stamp(picture, heart, 1, 2, vga::kBlack);
    stamp(picture, heart, 8, 8, vga::kBlack);
    return picture;
}

MaskedPicture disc(int size) {
    MaskedPicture picture = clearPicture(size);
    const int radius = size - 1; // in half pixels
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int dx = 2 * x + 1 - size, dy = 2 * y + 1 - size;
            if (dx * dx + dy * dy <= radius * radius)
                picture.pixels[static_cast<std::size_t>(y * size + x)] = vga::kNavy;
        }
    return picture;
}

MaskedPicture letterI32() {
    MaskedPicture picture = disc(32);
    stamp(picture, {".XX.", "XXXX", "XXXX", ".XX."}, 14, 5, vga::kWhite);
    stamp(picture,
          {
              "XXXXXXX...",
              "XXXXXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "...XXXX...",
              "XXXXXXXXXX",
              "XXXXXXXXXX",
          },
          11, 12, vga::kWhite);
    return picture;
}

MaskedPicture letterI16() {
    MaskedPicture picture = disc(16);
    stamp(picture, {"XX", "XX"}, 7, 2, vga::kWhite);
    stamp(picture, {"XXX.", ".XX.", ".XX.", ".XX.", ".XX.", ".XX.", "XXXX"}, 6, 6, vga::kWhite);
    return picture;
}

// The top left corners of the middle, ring and little fingers, in the hand's pixels.
const std::array<QPointF, 3> kFingerTops{{{7.5, 5.5}, {10.5, 6.5}, {13.5, 7.5}}};

// The pixel hand traced through the middle of its outline pixels, in its pixels:
// a pen one pixel wide covers exactly the pixel outline.
QPainterPath handOutline() {
    QPainterPath hand(QPointF(4.5, 12.5)); // where thumb and index finger meet
    hand.lineTo(4.5, 2);
    hand.quadTo(4.5, 0.5, 6, 0.5);
    hand.quadTo(7.5, 0.5, 7.5, 2);
    for (const QPointF top : kFingerTops) {
        hand.lineTo(top);
        hand.lineTo(top + QPointF(2, 0));
        hand.quadTo(top + QPointF(3, 0), top + QPointF(3, 1));
    }
    hand.lineTo(16.5, 17.5);
    hand.lineTo(15.5, 19.5);
    hand.lineTo(15.5, 21.5);
    hand.lineTo(4.5, 21.5);
    hand.lineTo(4.5, 19.5);
    hand.lineTo(1.5, 14.5);
    hand.quadTo(0.5, 13.5, 0.5, 12);
    hand.quadTo(0.5, 10.5, 2, 10.5);
    hand.quadTo(3, 10.5, 4.5, 12.5);
    hand.closeSubpath();
    return hand;
}

// The lines between the four fingers, down to the knuckles.
QPainterPath fingerGaps() {
    QPainterPath gaps;
    for (const QPointF top : kFingerTops) {
        gaps.moveTo(top);
        gaps.lineTo(top.x(), 11);
    }
    return gaps;
}

} // namespace

std::vector<MaskedPicture> windowIconImages() {
    return {twoCards32(), twoCards16()};
}

std::vector<MaskedPicture> aboutIconImages() {
    return {letterI32(), letterI16()};
}

MaskedPicture handCursorImage() {
    constexpr int kBlack = 0, kWhite = 1;
    MaskedPicture picture = clearPicture(32);
    const std::initializer_list<std::string_view> outline{
        ".....XX..........", "....X..X.........", "....X..X.........", "....X..X.........",
        "....X..X.........", "....X..XXX.......", "....X..X..XXX....", "....X..X..X..XXX.",
        "....X..X..X..X..X", "....X..X..X..X..X", ".XX.X..X..X..X..X", "X..XX...........X",
        "X...X...........X", "X...............X", ".X..............X", "..X.............X",
        "..X.............X", "...X............X", "...X...........X.", "....X..........X.",
        "....X..........X.", "....XXXXXXXXXXXX.",
    };
    const std::initializer_list<std::string_view> fill{
        ".................", ".....oo..........", ".....oo..........", ".....oo..........",
        ".....oo..........", ".....oo..........", ".....oo.oo.......", ".....oo.oo.oo....",
        ".....oo.oo.oo.oo.", ".....oo.oo.oo.oo.", ".....oo.oo.oo.oo.", ".oo..ooooooooooo.",
        ".ooo.ooooooooooo.", ".ooooooooooooooo.", "..oooooooooooooo.", "...ooooooooooooo.",
        "...ooooooooooooo.", "....oooooooooooo.", "....ooooooooooo..", ".....oooooooooo..",
        ".....oooooooooo..", ".................",
    };
    stamp(picture, outline, 0, 0, kBlack);
    stamp(picture, fill, 0, 0, kWhite);
    return picture;
}

// Drawn aliased, so every pixel is black, white or clear as a cursor's are.
MaskedPicture handCursorDrawing(qreal ratio) {
    const int size = qRound(32 * ratio);
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.scale(ratio, ratio);
        const QPen ink(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        painter.setPen(ink);
        painter.setBrush(Qt::white);
        painter.drawPath(handOutline());
        painter.strokePath(fingerGaps(), ink);
    }
    constexpr int kBlack = 0, kWhite = 1;
    MaskedPicture picture = clearPicture(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            if (qAlpha(pixel) != 0)
                picture.pixels[static_cast<std::size_t>(y * size + x)] =
                    qRed(pixel) < 128 ? kBlack : kWhite;
        }
    return picture;
}

} // namespace duomira::art
