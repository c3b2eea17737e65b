#include "Style.h"

#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

namespace duomira::art {

QImage whiteCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    return canvas;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

QPainterPath rotated(const QPainterPath& shape, QPointF about, qreal degrees) {
    QTransform turn;
    turn.translate(about.x(), about.y());
    turn.rotate(degrees);
    turn.translate(-about.x(), -about.y());
    return turn.map(shape);
}

QColor outlineOf(const QColor& colour) {
    return colour.lightness() < 60 ? QColor(10, 10, 14) : colour.darker(230);
}

void body(QPainter& painter, const QPainterPath& shape, const QColor& colour, qreal outlineWidth) {
    const QRectF box = shape.boundingRect();
    const QPointF light(box.left() + 0.35 * box.width(), box.top() + 0.3 * box.height());
    QRadialGradient gradient(light, 0.85 * std::max(box.width(), box.height()));
    gradient.setColorAt(0.0, colour.lighter(135));
    gradient.setColorAt(0.45, colour);
    gradient.setColorAt(1.0, colour.darker(140));
    painter.setBrush(gradient);
    painter.setPen(
        QPen(outlineOf(colour), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
}

void flat(QPainter& painter, const QPainterPath& shape, const QColor& colour, qreal outlineWidth) {
    painter.setBrush(colour);
    if (outlineWidth > 0)
        painter.setPen(
            QPen(outlineOf(colour), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(shape);
}

void stroke(QPainter& painter, const QPainterPath& line, const QColor& colour, qreal width) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
}

void shine(QPainter& painter, QPointF centre, qreal rx, qreal ry, qreal degrees) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawPath(rotated(ellipse(centre, rx, ry), centre, degrees));
}

void eye(QPainter& painter, QPointF centre, qreal radius, QPointF look) {
    flat(painter, ellipse(centre, radius, radius), QColor(250, 250, 246), 1.1);
    const QPointF pupil = centre + look;
    flat(painter, ellipse(pupil, 0.55 * radius, 0.55 * radius), QColor(20, 20, 24), 0);
    flat(painter, ellipse(pupil + QPointF(-0.2, -0.25) * radius, 0.2 * radius, 0.2 * radius),
         QColor(255, 255, 255), 0);
}

void beadEye(QPainter& painter, QPointF centre, qreal rx, qreal ry) {
    flat(painter, ellipse(centre, rx, ry), QColor(22, 20, 24), 0);
    flat(painter, ellipse(centre + QPointF(-0.35 * rx, -0.4 * ry), 0.38 * rx, 0.3 * ry),
         QColor(255, 255, 255), 0);
}

} // namespace duomira::art
