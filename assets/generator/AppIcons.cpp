#include "AppIcons.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace duomira::art {

namespace {

// The places of the 32-pixel window icon, in its pixels.
constexpr double kDesignSize = 32.0;

struct DesignBox {
    double left, top, right, bottom; // right and bottom exclusive
};

constexpr DesignBox kBackCard{1, 1, 20, 25};
constexpr DesignBox kFrontCard{13, 8, 31, 31};
constexpr DesignBox kBackHeart{3, 4, 12, 12};
constexpr DesignBox kFrontHeart{17, 15, 26, 23};

const QColor kInk(0, 0, 0);
const QColor kCardYellow(255, 255, 0);

// Each icon pixel is the average of samples x samples aliased samples. Aliased
// fills of opaque colours and integer averages come out the same on every
// machine, which Qt's antialiasing (picked per CPU) does not promise. Up to 32
// pixels one sample per pixel: whole pixels read better than grey edges there.
struct Grid {
    int size;    // icon pixels
    int samples; // per icon pixel and axis

    explicit Grid(int iconSize) : size(iconSize), samples(iconSize <= 32 ? 1 : 4) {}

    // Icon pixels to samples.
    double toSamples(double pixels) const { return pixels * samples; }

    // Snapped to whole icon pixels, so straight edges stay sharp at every size;
    // halves round down, which keeps the 16-pixel hearts clear of the card edges.
    QRectF place(const DesignBox& box) const {
        const auto pixel = [this](double design) {
            return toSamples(std::ceil(design * size / kDesignSize - 0.5));
        };
        return QRectF(QPointF(pixel(box.left), pixel(box.top)),
                      QPointF(pixel(box.right), pixel(box.bottom)));
    }

    // A heart's point sits on a pixel's middle only when the heart is an odd
    // number of pixels wide.
    QRectF placeHeart(const DesignBox& box) const {
        QRectF placed = place(box);
        if (std::lround(placed.width() / samples) % 2 == 0)
            placed.setRight(placed.right() + samples);
        return placed;
    }
};

// A heart filling `box`: two round lobes and a point at the bottom middle.
QPainterPath heart(const QRectF& box) {
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath path(at(0.5, 0.25));
    path.cubicTo(at(0.5, 0.05), at(0.35, 0.0), at(0.25, 0.0));
    path.cubicTo(at(0.1, 0.0), at(0.0, 0.12), at(0.0, 0.3));
    path.cubicTo(at(0.0, 0.55), at(0.3, 0.75), at(0.5, 1.0));
    path.cubicTo(at(0.7, 0.75), at(1.0, 0.55), at(1.0, 0.3));
    path.cubicTo(at(1.0, 0.12), at(0.9, 0.0), at(0.75, 0.0));
    path.cubicTo(at(0.65, 0.0), at(0.5, 0.05), at(0.5, 0.25));
    return path;
}

// A black-edged yellow card with a heart; the edge thickens with the icon,
// about 1/40 of it.
void card(QPainter& painter, const Grid& grid, const DesignBox& cardBox,
          const DesignBox& heartBox) {
    const QRectF outer = grid.place(cardBox);
    const double edge =
        grid.toSamples(static_cast<double>(std::max(1L, std::lround(grid.size / 40.0))));
    const double radius = grid.toSamples(std::max(1.0, grid.size / 16.0));
    const double innerRadius = std::max(0.0, radius - edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(outer, radius, radius);
    painter.setBrush(kCardYellow);
    painter.drawRoundedRect(outer.adjusted(edge, edge, -edge, -edge), innerRadius, innerRadius);
    painter.setBrush(kInk);
    painter.drawPath(heart(grid.placeHeart(heartBox)));
}

QImage samplesOf(const Grid& grid) {
    const int side = grid.size * grid.samples;
    QImage canvas(side, side, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    card(painter, grid, kBackCard, kBackHeart);
    card(painter, grid, kFrontCard, kFrontHeart);
    return canvas;
}

// The mean colour of the covered samples, and the share covered as alpha.
QRgb averaged(const QImage& samples, const Grid& grid, int x, int y) {
    int alpha = 0, red = 0, green = 0, blue = 0;
    for (int sy = 0; sy < grid.samples; ++sy) {
        const auto* row =
            reinterpret_cast<const QRgb*>(samples.constScanLine(y * grid.samples + sy));
        for (int sx = 0; sx < grid.samples; ++sx) {
            const QRgb sample = row[x * grid.samples + sx];
            const int a = qAlpha(sample);
            alpha += a;
            red += qRed(sample) * a;
            green += qGreen(sample) * a;
            blue += qBlue(sample) * a;
        }
    }
    if (alpha == 0)
        return qRgba(0, 0, 0, 0);
    const auto mean = [alpha](int weighted) { return (weighted + alpha / 2) / alpha; };
    const int count = grid.samples * grid.samples;
    return qRgba(mean(red), mean(green), mean(blue), (alpha + count / 2) / count);
}

} // namespace

QImage appIconImage(int size) {
    const Grid grid(size);
    const QImage samples = samplesOf(grid);
    QImage icon(size, size, QImage::Format_ARGB32);
    // Fixed, so the file does not depend on the screen of whoever runs the generator.
    constexpr int kDotsPerMetreAt96Dpi = 3780;
    icon.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
    icon.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < size; ++x)
            row[x] = averaged(samples, grid, x, y);
    }
    return icon;
}

QByteArray appIconFile(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(appIconImage(size)))
        return {};
    return bytes;
}

} // namespace duomira::art
