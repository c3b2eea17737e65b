#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace duomira::art {

// The house style of the card pictures: soft top-left light, a darker outline
// of the body colour, round joins everywhere.

QImage whiteCanvas(int width, int height);

// Sets up antialiased drawing on a canvas.
void prepare(QPainter& painter);

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath polygon(std::initializer_list<QPointF> corners);
QPainterPath rotated(const QPainterPath& shape, QPointF about, qreal degrees);

// Fills with a lit gradient and outlines in a darker shade of the same colour.
void body(QPainter& painter, const QPainterPath& shape, const QColor& colour,
          qreal outlineWidth = 1.6);
// Flat fill with the same outline, for small parts.
void flat(QPainter& painter, const QPainterPath& shape, const QColor& colour,
          qreal outlineWidth = 1.2);
void stroke(QPainter& painter, const QPainterPath& line, const QColor& colour, qreal width);
// A soft reflection of the light.
void shine(QPainter& painter, QPointF centre, qreal rx, qreal ry, qreal degrees = -30);
// A round eye: white ball, dark pupil, tiny glint.
void eye(QPainter& painter, QPointF centre, qreal radius, QPointF look = {0, 0});
// A dark bead eye with a glint, for small faces.
void beadEye(QPainter& painter, QPointF centre, qreal rx, qreal ry);

QColor outlineOf(const QColor& colour);

} // namespace duomira::art
