#include "Figures.h"
#include "Style.h"

namespace duomira::art {

namespace {

const QColor kGold(232, 182, 52);

QPainterPath questionMark(QPointF at, qreal scale) {
    QPainterPath mark;
    mark.moveTo(at + QPointF(-9, -7) * scale);
    mark.cubicTo(at + QPointF(-9, -19) * scale, at + QPointF(9, -19) * scale,
                 at + QPointF(9, -7) * scale);
    mark.cubicTo(at + QPointF(9, 0) * scale, at + QPointF(0, 0) * scale,
                 at + QPointF(0, 8) * scale);
    return mark;
}

// A navy badge with a gold ring and a question mark: the card still hides its picture.
void cardBack(QPainter& p) {
    const QColor navy(30, 56, 128);
    body(p, ellipse({40, 40}, 32, 32), kGold, 1.6);
    body(p, ellipse({40, 40}, 26.5, 26.5), navy, 1.4);
    for (const QPointF dot :
         {QPointF(40, 10.8), QPointF(40, 69.2), QPointF(10.8, 40), QPointF(69.2, 40)})
        flat(p, ellipse(dot, 1.8, 1.8), QColor(255, 246, 200), 0);
    const QPainterPath mark = questionMark({40, 43}, 1.05);
    stroke(p, mark, QColor(120, 84, 10), 8.4);
    stroke(p, mark, kGold, 6);
    body(p, ellipse({40, 55.5}, 3.8, 3.8), kGold, 1.2);
    shine(p, {27, 26}, 3, 8, 45);
}

// Never seen by the player; a plain grey diamond marks it as a placeholder.
void slotTemplate(QPainter& p) {
    const QColor grey(176, 180, 188);
    body(p, polygon({{40, 5}, {75, 40}, {40, 75}, {5, 40}}), grey, 1.6);
    flat(p, polygon({{40, 20}, {60, 40}, {40, 60}, {20, 40}}), grey.lighter(112), 1.2);
}

QPainterPath card(QPointF centre, qreal degrees) {
    QPainterPath shape;
    shape.addRoundedRect(centre.x() - 17, centre.y() - 24, 34, 48, 5, 5);
    return rotated(shape, centre, degrees);
}

QPainterPath heart(QPointF at, qreal size) {
    QPainterPath shape;
    shape.moveTo(at + QPointF(0, -0.45) * size);
    shape.cubicTo(at + QPointF(0.2, -1.1) * size, at + QPointF(1.1, -0.8) * size,
                  at + QPointF(0.9, -0.2) * size);
    shape.cubicTo(at + QPointF(0.75, 0.3) * size, at + QPointF(0.2, 0.6) * size,
                  at + QPointF(0, 0.95) * size);
    shape.cubicTo(at + QPointF(-0.2, 0.6) * size, at + QPointF(-0.75, 0.3) * size,
                  at + QPointF(-0.9, -0.2) * size);
    shape.cubicTo(at + QPointF(-1.1, -0.8) * size, at + QPointF(-0.2, -1.1) * size,
                  at + QPointF(0, -0.45) * size);
    return shape;
}

// Two cards, one still hidden and one turned over: what the game is about.
void aboutPicture(QPainter& p) {
    const QPointF hidden(28, 40), turned(52, 41);
    body(p, card(hidden, -14), QColor(30, 56, 128), 1.6);
    p.save();
    p.setClipPath(card(hidden, -14));
    stroke(p, rotated(questionMark(hidden + QPointF(0, 2), 0.8), hidden, -14), kGold, 4.2);
    p.restore();
    body(p, card(turned, 12), QColor(255, 244, 214), 1.6);
    body(p, rotated(heart(turned, 11), turned, 12), QColor(220, 40, 60), 1.4);
    shine(p, turned + QPointF(-4, -5), 1.8, 3, 30);
}

} // namespace

std::vector<Figure> otherFigures() {
    return {
        {"back.bmp", 80, 80, cardBack, 0.9},
        {"template.bmp", 80, 80, slotTemplate},
        {"about_picture.bmp", 80, 80, aboutPicture},
    };
}

} // namespace duomira::art
