#include "Figures.h"
#include "Style.h"

#include <QtMath>

namespace duomira::art {

namespace {

void apple(QPainter& p) {
    const QColor red(214, 36, 40);
    stroke(
        p,
        [] {
            QPainterPath stem;
            stem.moveTo(40, 26);
            stem.quadTo(39, 14, 45, 7);
            return stem;
        }(),
        QColor(96, 58, 26), 4);
    QPainterPath fruit;
    fruit.moveTo(40, 24);
    fruit.cubicTo(50, 14, 73, 16, 73, 41);
    fruit.cubicTo(72, 62, 59, 76, 48, 75);
    fruit.cubicTo(44, 74.5, 42, 72.5, 40, 72.5);
    fruit.cubicTo(38, 72.5, 36, 74.5, 32, 75);
    fruit.cubicTo(21, 76, 8, 62, 7, 41);
    fruit.cubicTo(7, 16, 30, 14, 40, 24);
    body(p, fruit, red, 1.8);
    shine(p, {21, 36}, 4.5, 9, 20);
    shine(p, {27, 26}, 2.2, 2.2);
    QPainterPath leaf;
    leaf.moveTo(44, 16);
    leaf.cubicTo(47, 6, 60, 1, 68, 5);
    leaf.cubicTo(64, 15, 53, 19, 44, 16);
    body(p, leaf, QColor(70, 168, 52), 1.3);
    QPainterPath vein;
    vein.moveTo(46, 15);
    vein.quadTo(55, 10, 64, 6);
    stroke(p, vein, QColor(36, 100, 30), 0.9);
}

void fox(QPainter& p) {
    const QColor orange(240, 124, 30);
    const QPainterPath leftEar = polygon({{9, 38}, {13, 2}, {38, 22}});
    const QPainterPath rightEar = polygon({{71, 38}, {67, 2}, {42, 22}});
    QPainterPath face;
    face.moveTo(6, 34);
    face.cubicTo(6, 17, 74, 17, 74, 34);
    face.cubicTo(74, 48, 58, 62, 40, 76);
    face.cubicTo(22, 62, 6, 48, 6, 34);
    const QPainterPath head = face.united(leftEar).united(rightEar).simplified();
    body(p, head, orange, 1.8);
    flat(p, polygon({{15, 27}, {16, 9}, {29, 20}}), QColor(92, 44, 22), 0);
    flat(p, polygon({{65, 27}, {64, 9}, {51, 20}}), QColor(92, 44, 22), 0);
    QPainterPath cheeks;
    cheeks.moveTo(7, 38);
    cheeks.cubicTo(18, 40, 33, 44, 40, 54);
    cheeks.cubicTo(47, 44, 62, 40, 73, 38);
    cheeks.cubicTo(66, 50, 56, 62, 40, 75);
    cheeks.cubicTo(24, 62, 14, 50, 7, 38);
    p.save();
    p.setClipPath(head);
    flat(p, cheeks, QColor(255, 240, 214), 0);
    p.restore();
    stroke(p, head, outlineOf(orange), 1.8);
    beadEye(p, {27, 36}, 3.6, 4.6);
    beadEye(p, {53, 36}, 3.6, 4.6);
    flat(p, ellipse({40, 69}, 5, 3.6), QColor(28, 22, 22), 0);
    shine(p, {38.5, 67.8}, 1.6, 0.9, 0);
}

QPainterPath starShape(QPointF centre, qreal outer, qreal inner) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF point = centre + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void star(QPainter& p) {
    const QColor yellow(255, 204, 26);
    const QPainterPath shape = starShape({40, 43}, 37, 20);
    p.setPen(QPen(outlineOf(yellow), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    body(p, shape, yellow, 0.1);
    p.setPen(QPen(QColor(246, 172, 10), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    shine(p, {31, 30}, 2.6, 6, 25);
    beadEye(p, {33.5, 42}, 2.6, 3.8);
    beadEye(p, {46.5, 42}, 2.6, 3.8);
    QPainterPath smile;
    smile.moveTo(35, 50);
    smile.quadTo(40, 55, 45, 50);
    stroke(p, smile, QColor(120, 60, 10), 1.8);
    flat(p, ellipse({28.5, 49}, 3, 2), QColor(255, 140, 90, 140), 0);
    flat(p, ellipse({51.5, 49}, 3, 2), QColor(255, 140, 90, 140), 0);
}

QPainterPath tier(qreal apexY, qreal baseY, qreal halfWidth) {
    QPainterPath shape;
    shape.moveTo(40, apexY);
    shape.quadTo(40 + 0.45 * halfWidth, apexY + 0.55 * (baseY - apexY), 40 + halfWidth, baseY);
    shape.quadTo(40, baseY + 6, 40 - halfWidth, baseY);
    shape.quadTo(40 - 0.45 * halfWidth, apexY + 0.55 * (baseY - apexY), 40, apexY);
    return shape;
}

void tree(QPainter& p) {
    const QColor green(34, 130, 56);
    QPainterPath trunk;
    trunk.addRoundedRect(33, 62, 14, 16, 2, 2);
    body(p, trunk, QColor(128, 80, 40), 1.4);
    body(p, tier(26, 66, 37), green, 1.7);
    body(p, tier(12, 49, 29), green.lighter(108), 1.7);
    body(p, tier(2, 31, 20), green.lighter(116), 1.7);
    shine(p, {33, 16}, 1.8, 5, 30);
    shine(p, {28, 34}, 1.8, 5, 40);
    shine(p, {24, 52}, 1.8, 5, 45);
}

void fish(QPainter& p) {
    const QColor teal(24, 160, 178);
    const QColor fin = teal.darker(125);
    QPainterPath dorsal;
    dorsal.moveTo(24, 22);
    dorsal.cubicTo(28, 8, 42, 5, 50, 24);
    body(p, dorsal, fin, 1.4);
    QPainterPath belly;
    belly.moveTo(30, 56);
    belly.quadTo(34, 70, 46, 58);
    body(p, belly, fin, 1.4);
    QPainterPath tail;
    tail.moveTo(58, 40);
    tail.cubicTo(64, 30, 70, 20, 77, 16);
    tail.cubicTo(73, 30, 73, 50, 77, 64);
    tail.cubicTo(70, 60, 64, 50, 58, 40);
    body(p, tail, fin, 1.4);
    QPainterPath fishBody;
    fishBody.moveTo(4, 41);
    fishBody.cubicTo(10, 18, 46, 12, 63, 40);
    fishBody.cubicTo(46, 68, 10, 64, 4, 41);
    body(p, fishBody, teal, 1.7);
    p.save();
    p.setClipPath(fishBody);
    for (qreal x : {36.0, 46.0})
        stroke(
            p,
            [x] {
                QPainterPath band;
                band.moveTo(x, 14);
                band.quadTo(x + 7, 41, x, 68);
                return band;
            }(),
            QColor(14, 112, 130, 170), 3.2);
    p.restore();
    QPainterPath gill;
    gill.moveTo(25, 28);
    gill.quadTo(30, 40, 25, 52);
    stroke(p, gill, outlineOf(teal), 1.3);
    QPainterPath mouth;
    mouth.moveTo(6, 45);
    mouth.quadTo(9, 46, 11, 44);
    stroke(p, mouth, outlineOf(teal), 1.2);
    eye(p, {16, 36}, 5.2, {-1, 0.3});
    shine(p, {32, 24}, 2, 6, 70);
}

void umbrella(QPainter& p) {
    const QColor purple(122, 60, 184);
    QPainterPath handle;
    handle.moveTo(40, 44);
    handle.lineTo(40, 68);
    handle.cubicTo(40, 77, 27, 77, 27, 68);
    stroke(p, handle, QColor(40, 26, 30), 6.2);
    stroke(p, handle, QColor(150, 96, 60), 3.4);
    QPainterPath canopy;
    canopy.moveTo(2, 47);
    canopy.cubicTo(2, 18, 20, 4, 40, 4);
    canopy.cubicTo(60, 4, 78, 18, 78, 47);
    for (int x = 78; x > 2; x -= 19)
        canopy.quadTo(x - 9.5, 38, x - 19, 47);
    canopy.closeSubpath();
    body(p, canopy, purple, 1.8);
    p.save();
    p.setClipPath(canopy);
    QPainterPath lightPanels;
    lightPanels.moveTo(40, 4);
    lightPanels.quadTo(27, 14, 21, 47);
    lightPanels.lineTo(40, 47);
    lightPanels.closeSubpath();
    lightPanels.moveTo(40, 4);
    lightPanels.quadTo(53, 14, 59, 47);
    lightPanels.lineTo(80, 47);
    lightPanels.lineTo(80, 0);
    lightPanels.closeSubpath();
    flat(p, lightPanels, QColor(255, 255, 255, 55), 0);
    p.restore();
    QPainterPath ribs;
    ribs.moveTo(40, 4);
    ribs.quadTo(27, 14, 21, 47);
    ribs.moveTo(40, 4);
    ribs.lineTo(40, 47);
    ribs.moveTo(40, 4);
    ribs.quadTo(53, 14, 59, 47);
    stroke(p, ribs, outlineOf(purple), 1.3);
    flat(p, ellipse({40, 3.5}, 2.4, 2.4), QColor(150, 96, 60), 1);
    shine(p, {17, 22}, 2.2, 7, 35);
}

QPainterPath pigEar(qreal inset, bool right) {
    const auto at = [right](qreal x, qreal y) { return QPointF(right ? 80 - x : x, y); };
    QPainterPath ear;
    ear.moveTo(at(14 + inset, 37 - inset));
    ear.cubicTo(at(8 + inset, 26), at(8 + inset, 14 + inset), at(11 + inset, 8 + inset));
    ear.quadTo(at(12 + inset, 5 + inset), at(15 + inset, 7 + inset));
    ear.cubicTo(at(24, 11 + inset), at(31 - inset, 16 + inset), at(35 - inset, 21 + inset));
    ear.closeSubpath();
    return ear;
}

void pig(QPainter& p) {
    const QColor pink(244, 150, 178);
    for (bool right : {false, true}) {
        body(p, pigEar(0, right), pink, 1.8);
        flat(p, pigEar(4, right), QColor(226, 104, 140), 0);
    }
    body(p, ellipse({40, 46}, 29, 27), pink, 1.8);
    flat(p, ellipse({20, 54}, 5, 3.2), QColor(240, 110, 140, 110), 0);
    flat(p, ellipse({60, 54}, 5, 3.2), QColor(240, 110, 140, 110), 0);
    body(p, ellipse({40, 56}, 13, 9), QColor(236, 118, 152), 1.5);
    flat(p, ellipse({35.5, 56}, 2.3, 3.4), QColor(120, 36, 60), 0);
    flat(p, ellipse({44.5, 56}, 2.3, 3.4), QColor(120, 36, 60), 0);
    beadEye(p, {29, 40}, 3.2, 3.8);
    beadEye(p, {51, 40}, 3.2, 3.8);
    shine(p, {26, 28}, 2.5, 6, 50);
}

void snail(QPainter& p) {
    const QColor skin(234, 196, 120);
    QPainterPath stalks;
    stalks.moveTo(13, 40);
    stalks.quadTo(10, 30, 7, 22);
    stalks.moveTo(21, 40);
    stalks.quadTo(23, 30, 25, 21);
    stroke(p, stalks, outlineOf(skin), 3.6);
    stroke(p, stalks, skin, 1.6);
    QPainterPath foot;
    foot.moveTo(10, 70);
    foot.lineTo(10, 44);
    foot.cubicTo(10, 32, 26, 32, 26, 44);
    foot.lineTo(26, 58);
    foot.cubicTo(44, 58, 66, 58, 79, 70);
    foot.quadTo(80, 72, 76, 72);
    foot.lineTo(14, 72);
    foot.quadTo(10, 72, 10, 70);
    body(p, foot, skin, 1.6);
    eye(p, {7, 21}, 3.4, {-0.5, 0});
    eye(p, {25, 20}, 3.4, {-0.5, 0});
    beadEye(p, {15, 45}, 1.4, 1.7);
    QPainterPath smile;
    smile.moveTo(12, 52);
    smile.quadTo(16, 55, 20, 51);
    stroke(p, smile, outlineOf(skin), 1.2);
    const QColor shellColour(160, 94, 42);
    body(p, ellipse({51, 38}, 25, 24), shellColour, 1.8);
    QPainterPath spiral;
    const QPointF centre(52, 39);
    for (int i = 0; i <= 120; ++i) {
        const qreal a = qDegreesToRadians(6.0 * i);
        const qreal r = 1.0 + 20.0 * i / 120.0;
        const QPointF point = centre + QPointF(r * qCos(a), -r * qSin(a));
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    stroke(p, spiral, QColor(96, 52, 22), 2.4);
    shine(p, {38, 24}, 2.4, 6, 40);
}

void car(QPainter& p) {
    const QColor blue(44, 94, 212);
    QPainterPath shell;
    shell.moveTo(3, 58);
    shell.lineTo(3, 45);
    shell.quadTo(3, 38, 12, 37);
    shell.lineTo(20, 36);
    shell.lineTo(27, 21);
    shell.quadTo(29, 17, 34, 17);
    shell.lineTo(55, 17);
    shell.quadTo(59, 17, 61, 21);
    shell.lineTo(67, 35);
    shell.lineTo(72, 36);
    shell.quadTo(77, 38, 77, 46);
    shell.lineTo(77, 58);
    shell.quadTo(77, 62, 73, 62);
    shell.lineTo(7, 62);
    shell.quadTo(3, 62, 3, 58);
    body(p, shell, blue, 1.8);
    const QColor glass(190, 226, 255);
    flat(p, polygon({{23.5, 35}, {29.5, 21.5}, {41, 21.5}, {41, 35}}), glass, 1.2);
    flat(p, polygon({{45, 35}, {45, 21.5}, {56.5, 21.5}, {62.5, 35}}), glass, 1.2);
    shine(p, {33, 27}, 1.5, 4.5, 25);
    shine(p, {50, 27}, 1.5, 4.5, 25);
    QPainterPath door;
    door.moveTo(43, 37);
    door.lineTo(43, 56);
    stroke(p, door, outlineOf(blue), 1.2);
    stroke(p, polygon({{47, 42}, {52, 42}}), QColor(200, 210, 230), 1.6);
    flat(p, ellipse({6, 44}, 2.6, 3.2), QColor(255, 224, 80), 1);
    flat(p, ellipse({75, 43}, 1.6, 3), QColor(230, 40, 40), 0.8);
    for (qreal x : {21.0, 59.0}) {
        flat(p, ellipse({x, 61}, 10, 10), QColor(36, 36, 40), 1.2);
        body(p, ellipse({x, 61}, 4.6, 4.6), QColor(196, 200, 206), 1);
    }
}

void penguin(QPainter& p) {
    const QColor black(38, 42, 52);
    const QColor orange(247, 150, 32);
    for (qreal x : {31.0, 49.0})
        body(p, ellipse({x, 75}, 8, 3.6), orange, 1.2);
    body(p, rotated(ellipse({16, 47}, 6, 17), {16, 47}, 18), black, 1.4);
    body(p, rotated(ellipse({64, 47}, 6, 17), {64, 47}, -18), black, 1.4);
    body(p, ellipse({40, 41}, 23, 33), black, 1.6);
    const QPainterPath front =
        ellipse({40, 52}, 16, 21).united(ellipse({33, 29}, 9, 9)).united(ellipse({47, 29}, 9, 9));
    body(p, front, QColor(246, 236, 212), 0.8);
    beadEye(p, {34, 29}, 2.6, 3.2);
    beadEye(p, {46, 29}, 2.6, 3.2);
    body(p, polygon({{34.5, 36}, {45.5, 36}, {40, 44}}), orange, 1.1);
    shine(p, {27, 17}, 2, 5, 40);
}

void elephant(QPainter& p) {
    const QColor grey(143, 154, 168);
    const QColor far = grey.darker(118);
    for (qreal x : {38.0, 56.0}) {
        QPainterPath leg;
        leg.addRoundedRect(x, 50, 10, 24, 3, 3);
        body(p, leg, far, 1.4);
    }
    QPainterPath tail;
    tail.moveTo(73, 40);
    tail.quadTo(78, 48, 76, 56);
    stroke(p, tail, outlineOf(grey), 1.6);
    body(p, ellipse({76, 57}, 2, 2.6), outlineOf(grey), 0.6);
    for (qreal x : {26.0, 64.0}) {
        QPainterPath leg;
        leg.addRoundedRect(x, 50, 11, 26, 3, 3);
        body(p, leg, grey, 1.5);
    }
    body(p, ellipse({49, 42}, 26, 20), grey, 1.7);
    QPainterPath trunk;
    trunk.moveTo(8, 34);
    trunk.cubicTo(2, 46, 2, 60, 9, 68);
    trunk.cubicTo(12, 72, 19, 70, 16, 65);
    trunk.cubicTo(12, 58, 13, 50, 20, 45);
    const QPainterPath head = ellipse({22, 32}, 16, 15).united(trunk).simplified();
    body(p, head, grey, 1.7);
    QPainterPath creases;
    for (qreal y : {52.0, 57.0, 62.0}) {
        creases.moveTo(5.5, y);
        creases.lineTo(12, y - 1.5);
    }
    stroke(p, creases, outlineOf(grey), 0.9);
    QPainterPath tusk;
    tusk.moveTo(17, 44);
    tusk.quadTo(20, 52, 26, 50);
    stroke(p, tusk, QColor(120, 112, 96), 3.4);
    stroke(p, tusk, QColor(250, 244, 226), 2);
    QPainterPath ear;
    ear.moveTo(30, 22);
    ear.cubicTo(46, 16, 52, 40, 44, 50);
    ear.cubicTo(40, 55, 30, 50, 30, 44);
    ear.closeSubpath();
    body(p, ear, grey.lighter(106), 1.5);
    flat(p, rotated(ellipse({38, 36}, 5, 9), {38, 36}, -10), QColor(230, 170, 180), 0);
    beadEye(p, {18, 28}, 2.2, 2.8);
    shine(p, {17, 21}, 2, 4, 60);
}

void sheep(QPainter& p) {
    const QColor wool(236, 230, 214);
    const QColor face(74, 72, 80);
    for (qreal x : {30.0, 40.0, 54.0, 64.0}) {
        QPainterPath leg;
        leg.addRoundedRect(x - 3.5, 50, 7, 24, 2.5, 2.5);
        body(p, leg, x == 40.0 || x == 64.0 ? face.darker(125) : face, 1.2);
    }
    QPainterPath fleece = ellipse({47, 40}, 27, 17);
    for (int i = 0; i < 14; ++i) {
        const qreal a = qDegreesToRadians(360.0 * i / 14);
        fleece = fleece.united(ellipse({47 + 26 * qCos(a), 40 + 16 * qSin(a)}, 7.5, 7.5));
    }
    body(p, fleece.simplified(), wool, 1.6);
    QPainterPath curls;
    for (const QPointF c : {QPointF(44, 34), QPointF(56, 42), QPointF(38, 46), QPointF(60, 31)}) {
        curls.moveTo(c + QPointF(-3, 1));
        curls.quadTo(c + QPointF(0, -3), c + QPointF(3, 1));
    }
    stroke(p, curls, wool.darker(135), 1.2);
    body(p, rotated(ellipse({10, 30}, 6, 3), {10, 30}, 30), face, 1.2);
    body(p, rotated(ellipse({31, 30}, 6, 3), {31, 30}, -30), face, 1.2);
    body(p, rotated(ellipse({20, 38}, 10, 13), {20, 38}, 12), face, 1.4);
    QPainterPath tuft = ellipse({17, 25}, 5, 4.5).united(ellipse({23, 24}, 5, 4.5));
    body(p, tuft.united(ellipse({20, 22}, 4, 4)).simplified(), wool, 1.3);
    eye(p, {15.5, 35}, 3, {-0.6, 0.3});
    eye(p, {24.5, 35}, 3, {-0.6, 0.3});
    QPainterPath nose;
    nose.moveTo(16, 45);
    nose.quadTo(19, 48, 22, 45);
    stroke(p, nose, QColor(220, 170, 180), 1.4);
}

} // namespace

std::vector<Figure> faceFigures() {
    return {
        {"face00.bmp", 80, 80, apple, 0.87},    {"face01.bmp", 80, 80, fox, 0.9},
        {"face02.bmp", 80, 80, star},           {"face03.bmp", 80, 80, tree},
        {"face04.bmp", 80, 80, fish},           {"face05.bmp", 80, 80, umbrella, 0.97},
        {"face06.bmp", 80, 80, pig, 0.92},      {"face07.bmp", 80, 80, snail, 0.89},
        {"face08.bmp", 80, 80, car, 0.95},      {"face09.bmp", 80, 80, penguin, 0.93},
        {"face10.bmp", 80, 79, elephant, 0.88}, {"face11.bmp", 80, 80, sheep, 0.92},
    };
}

} // namespace duomira::art
