#include "Canvas.h"
#include "Glyphs.h"

#include <QtMath>

using namespace Canvas;

namespace Glyph {

namespace {

// A glass tube with its liquid, drawn upright at x (left side) and tilted by angle degrees.
void tube(QPainter &painter, qreal x, qreal liquidTop, qreal angle, const Hue &liquid) {
    painter.save();
    painter.translate(x + 3, 16);
    painter.rotate(angle);
    QPainterPath glass;
    glass.moveTo(-3, -10.5);
    glass.lineTo(-3, 8);
    glass.arcTo(QRectF(-3, 5, 6, 6), 180, 180);
    glass.lineTo(3, -10.5);
    glass.closeSubpath();
    fillShape(painter, glass, QColor(255, 255, 255), QColor(0xe4, 0xef, 0xf7), Palette::Slate.dark, 0);
    fillShape(painter, glass.intersected(box(QRectF(-4, liquidTop - 16, 8, 30))), liquid, 0);
    strokePath(painter, glass, Palette::Slate.dark, 1.1);
    stroke(painter, QPointF(-1.4, -8), QPointF(-1.4, 6), QColor(255, 255, 255, 170), 1.0);
    fillShape(painter, roundedBox(QRectF(-4.2, -13, 8.4, 2.8), 1), Palette::Steel, 0.9);
    painter.restore();
}

QPainterPath heartShape() {
    QPainterPath heart;
    heart.moveTo(16, 28);
    heart.cubicTo(6, 21, 2, 15.5, 3, 10.5);
    heart.cubicTo(4, 5.5, 12, 3.5, 16, 9.5);
    heart.cubicTo(20, 3.5, 28, 5.5, 29, 10.5);
    heart.cubicTo(30, 15.5, 26, 21, 16, 28);
    return heart;
}

QPainterPath dropShape(const QPointF &tip, qreal width, qreal height) {
    const qreal half = width / 2;
    const qreal bottom = tip.y() + height;
    QPainterPath drop;
    drop.moveTo(tip);
    drop.cubicTo(tip.x() + half * 0.3, tip.y() + height * 0.25, tip.x() + half, bottom - half * 1.3, tip.x() + half,
                 bottom - half);
    drop.arcTo(QRectF(tip.x() - half, bottom - width, width, width), 0, -180);
    drop.cubicTo(tip.x() - half, bottom - half * 1.3, tip.x() - half * 0.3, tip.y() + height * 0.25, tip.x(), tip.y());
    drop.closeSubpath();
    return drop;
}

// A bone as an X-ray shows it: a shaft with two rounded knobs at each end.
void bone(QPainter &painter, const QPointF &from, const QPointF &to, qreal width, const QColor &colour) {
    const QPointF along = to - from;
    const qreal length = qSqrt(along.x() * along.x() + along.y() * along.y());
    const QPointF unit = along / length;
    const QPointF across(-unit.y(), unit.x());
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    QPainterPath shaft;
    shaft.moveTo(from + across * width * 0.32);
    shaft.lineTo(to + across * width * 0.32);
    shaft.lineTo(to - across * width * 0.32);
    shaft.lineTo(from - across * width * 0.32);
    shaft.closeSubpath();
    shape.addPath(shaft);
    for (const QPointF &end : {from, to})
        for (int side : {-1, 1})
            shape.addEllipse(end + across * side * width * 0.42, width * 0.5, width * 0.5);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(shape.simplified());
    painter.restore();
}

} // namespace

void stethoscope(QPainter &painter) {
    QPainterPath tubing;
    tubing.moveTo(8, 4.5);
    tubing.lineTo(8, 10.5);
    tubing.cubicTo(8, 16, 10.5, 18.5, 13.5, 18.5);
    tubing.cubicTo(16.5, 18.5, 19, 16, 19, 10.5);
    tubing.lineTo(19, 4.5);
    tubing.moveTo(13.5, 18.5);
    tubing.cubicTo(13.5, 26, 15.5, 29, 19.5, 29);
    tubing.cubicTo(23.5, 29, 25, 26.5, 25, 23);
    strokePath(painter, tubing, Palette::Navy.dark, 3.4);
    strokePath(painter, tubing, Palette::Navy.light, 1.4);
    for (qreal x : {8.0, 19.0})
        fillShape(painter, circle(QPointF(x, 3.5), 1.9), Palette::Slate, 0.8);
    fillShape(painter, circle(QPointF(25, 18.5), 5.2), Palette::Steel, 1.1);
    fillShape(painter, circle(QPointF(25, 18.5), 3.0), Palette::Steel.base, Palette::Steel.dark, Palette::Slate.dark,
              0.8);
}

void testTubes(QPainter &painter) {
    tube(painter, 6.5, 14.5, -10, Palette::Red);
    tube(painter, 19, 18, 10, Palette::Blue);
}

void xray(QPainter &painter) {
    const QPainterPath film = roundedBox(QRectF(3, 2.5, 26, 27), 2.5);
    fillShape(painter, film, QColor(0x35, 0x4a, 0x60), QColor(0x12, 0x1c, 0x27), QColor(0x0b, 0x10, 0x16), 1.0);
    painter.save();
    painter.setClipPath(film);
    QRadialGradient glow(QPointF(16, 16), 13);
    glow.setColorAt(0, QColor(0x9f, 0xc8, 0xf0, 110));
    glow.setColorAt(1, QColor(0x9f, 0xc8, 0xf0, 0));
    painter.fillRect(QRectF(3, 2.5, 26, 27), glow);
    painter.restore();
    bone(painter, QPointF(9.5, 22.5), QPointF(22.5, 9.5), 5.0, QColor(0xee, 0xf5, 0xfb));
}

void sickLeave(QPainter &painter) {
    fillShape(painter, roundedBox(QRectF(2.5, 9, 4, 19), 1.2), Palette::Wood, 1.0);
    fillShape(painter, box(QRectF(6.5, 19.5, 23, 3.5)), Palette::Wood, 1.0);
    fillShape(painter, roundedBox(QRectF(26.5, 16.5, 3, 11.5), 1), Palette::Wood, 1.0);
    fillShape(painter, roundedBox(QRectF(6.5, 14, 7.5, 5.5), 2.2), Palette::Paper, 0.9);
    fillShape(painter, circle(QPointF(10.5, 12.5), 3.4), Palette::Skin, 1.0);
    fillShape(painter, topRoundedBox(QRectF(13, 13.5, 14, 6), 3), Palette::Blue, 1.0);
    stroke(painter, QPointF(15, 15.4), QPointF(25, 15.4), QColor(255, 255, 255, 150), 1.0);
}

void syringe(QPainter &painter) {
    painter.save();
    painter.translate(16, 16);
    painter.rotate(-45);
    stroke(painter, QPointF(-17, 0), QPointF(-9, 0), Palette::Steel.dark, 1.1);
    fillShape(painter, box(QRectF(-9.5, -1.6, 2, 3.2)), Palette::Steel, 0.7);
    const QRectF barrel(-7.5, -3.8, 14, 7.6);
    fillShape(painter, roundedBox(barrel, 1), QColor(255, 255, 255), QColor(0xe6, 0xf0, 0xf8), Palette::Slate.dark, 0);
    fillShape(painter, box(QRectF(-7.5, -3.8, 7, 7.6)), Palette::Blue.light, Palette::Blue.base, Palette::Blue.base, 0);
    strokePath(painter, roundedBox(barrel, 1), Palette::Slate.dark, 1.0);
    for (qreal x : {-5.0, -2.5, 0.0, 2.5})
        stroke(painter, QPointF(x, -3.8), QPointF(x, -1.8), Palette::Slate.dark, 0.7);
    fillShape(painter, box(QRectF(6.5, -5.5, 1.6, 11)), Palette::Steel, 0.8);
    fillShape(painter, box(QRectF(8.1, -1.3, 5.5, 2.6)), Palette::Steel, 0.8);
    fillShape(painter, roundedBox(QRectF(13.6, -4.5, 2.2, 9), 0.8), Palette::Steel, 0.8);
    painter.restore();
}

void thermometer(QPainter &painter) {
    const QPainterPath stem = roundedBox(QRectF(12.5, 2.5, 7, 22), 3.5);
    fillShape(painter, stem, QColor(255, 255, 255), QColor(0xe3, 0xec, 0xf4), Palette::Slate.dark, 1.0);
    fillShape(painter, circle(QPointF(16, 25), 4.8), Palette::Red, 1.0);
    fillShape(painter, box(QRectF(14.6, 9, 2.8, 14)), Palette::Red.base, Palette::Red.base, Palette::Red.base, 0);
    for (int tick = 0; tick < 5; ++tick)
        stroke(painter, QPointF(20.5, 6 + tick * 3.4), QPointF(tick % 2 ? 22.5 : 24, 6 + tick * 3.4),
               Palette::Slate.base, 1.1);
    stroke(painter, QPointF(14.2, 25), QPointF(15, 23.2), QColor(255, 255, 255, 190), 1.2);
}

void heartPulse(QPainter &painter) {
    const QPainterPath heart = heartShape();
    fillShape(painter, heart, Palette::Red, 1.1);
    painter.save();
    painter.setClipPath(heart);
    QPainterPath pulse;
    pulse.moveTo(2, 16.5);
    pulse.lineTo(10, 16.5);
    pulse.lineTo(12.3, 12);
    pulse.lineTo(15.5, 22);
    pulse.lineTo(18.3, 13.5);
    pulse.lineTo(20.3, 16.5);
    pulse.lineTo(30, 16.5);
    strokePath(painter, pulse, Qt::white, 2.0);
    painter.restore();
}

void scalpel(QPainter &painter) {
    painter.save();
    painter.translate(15, 17);
    painter.rotate(-45);
    fillShape(painter, roundedBox(QRectF(-16, -2.6, 15.5, 5.2), 1.6), Palette::Navy, 1.0);
    for (qreal x : {-13.0, -10.5, -8.0})
        stroke(painter, QPointF(x, -1.2), QPointF(x, 1.2), Palette::Navy.light, 0.8);
    QPainterPath blade;
    blade.moveTo(-1, -2.2);
    blade.lineTo(16.5, -2.2);
    blade.cubicTo(14, 2.2, 7, 3.6, -1, 2.4);
    blade.closeSubpath();
    fillShape(painter, blade, Palette::Steel.light, Palette::Steel.base, Palette::Slate.dark, 1.0);
    stroke(painter, QPointF(1, -1), QPointF(12, -1), QColor(255, 255, 255, 200), 0.8);
    painter.restore();
}

void medicalBag(QPainter &painter) {
    QPainterPath handle;
    handle.moveTo(11, 10);
    handle.lineTo(11, 7);
    handle.cubicTo(11, 5, 12, 4.5, 14, 4.5);
    handle.lineTo(18, 4.5);
    handle.cubicTo(20, 4.5, 21, 5, 21, 7);
    handle.lineTo(21, 10);
    strokePath(painter, handle, Palette::Slate.dark, 3.2);
    strokePath(painter, handle, Palette::Slate.base, 1.4);
    const Hue leather{QColor(0xc0, 0x5a, 0x48), QColor(0x8e, 0x33, 0x27), QColor(0x55, 0x1a, 0x13)};
    fillShape(painter, roundedBox(QRectF(2.5, 9.5, 27, 19), 3), leather, 1.1);
    stroke(painter, QPointF(3.5, 14), QPointF(28.5, 14), leather.dark, 1.0);
    crossMark(painter, QPointF(16, 21), 9.5, Qt::white);
}

void pillBottle(QPainter &painter) {
    const Hue amber{QColor(0xf8, 0xb2, 0x5a), QColor(0xd9, 0x7c, 0x1c), QColor(0x8a, 0x47, 0x06)};
    fillShape(painter, roundedBox(QRectF(7.5, 9, 17, 20.5), 2.5), amber, 1.0);
    fillShape(painter, roundedBox(QRectF(6.5, 2.5, 19, 6.5), 1.5), Palette::Paper, 1.0);
    for (qreal x : {10.0, 13.0, 16.0, 19.0, 22.0})
        stroke(painter, QPointF(x, 4), QPointF(x, 7.5), Palette::Steel.base, 0.9);
    fillShape(painter, box(QRectF(7.5, 13.5, 17, 11)), Palette::Paper, 0.8);
    crossMark(painter, QPointF(16, 19), 7.5, Palette::Red.base);
}

void bloodDrop(QPainter &painter) {
    const QPainterPath drop = dropShape(QPointF(16, 2.5), 19, 27);
    fillShape(painter, drop, Palette::Red, 1.1);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QRectF(10, 17, 3.2, 6));
    painter.restore();
}

void bandage(QPainter &painter) {
    painter.save();
    painter.translate(16, 16);
    painter.rotate(-40);
    const Hue plaster{QColor(0xf7, 0xd9, 0xb8), QColor(0xe4, 0xb5, 0x86), QColor(0x9c, 0x6a, 0x3c)};
    fillShape(painter, roundedBox(QRectF(-15, -5.5, 30, 11), 5.5), plaster, 1.0);
    fillShape(painter, roundedBox(QRectF(-5.5, -4, 11, 8), 1.2), QColor(0xfd, 0xf4, 0xea), QColor(0xf3, 0xe0, 0xcb),
              plaster.dark, 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plaster.dark);
    for (qreal x : {-11.5, -8.5, 8.5, 11.5})
        for (qreal y : {-1.8, 1.8})
            painter.drawEllipse(QPointF(x, y), 0.6, 0.6);
    painter.restore();
}

void eye(QPainter &painter) {
    QPainterPath almond;
    almond.moveTo(2, 16);
    almond.quadTo(16, 2, 30, 16);
    almond.quadTo(16, 30, 2, 16);
    almond.closeSubpath();
    fillShape(painter, almond, Palette::Paper.light, Palette::Paper.base, Palette::Navy.dark, 1.4);
    painter.save();
    painter.setClipPath(almond);
    fillShape(painter, circle(QPointF(16, 16), 6.5), Palette::Teal, 1.0);
    fillShape(painter, circle(QPointF(16, 16), 3), Palette::Navy.dark, Palette::Navy.dark, Palette::Navy.dark, 0);
    painter.restore();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(QPointF(14.3, 14.2), 1.3, 1.3);
    painter.restore();
}

void weighingScale(QPainter &painter) {
    fillShape(painter, roundedBox(QRectF(3.5, 4, 25, 25), 5), Palette::Steel.light, Palette::Steel.base,
              Palette::Slate.dark, 1.1);
    fillShape(painter, roundedBox(QRectF(9, 7.5, 14, 8), 2), Palette::Paper, 1.0);
    for (int tick = 0; tick < 5; ++tick)
        stroke(painter, QPointF(11 + tick * 2.5, 9.2), QPointF(11 + tick * 2.5, 10.6), Palette::Slate.base, 0.8);
    stroke(painter, QPointF(16, 14.2), QPointF(18.6, 9.4), Palette::Red.base, 1.3);
    for (qreal x : {11.5, 20.5})
        fillShape(painter, roundedBox(QRectF(x - 3.5, 18.5, 7, 8), 2.5), Palette::Slate, 0.8);
}

void hospital(QPainter &painter) {
    fillShape(painter, box(QRectF(4.5, 11.5, 23, 18)), Palette::Paper, 0);
    strokePath(painter, box(QRectF(4.5, 11.5, 23, 18)), Palette::Navy.base, 1.2);
    fillShape(painter, box(QRectF(3, 9.5, 26, 3)), Palette::Blue, 1.0);
    for (qreal x : {7.5, 21.5})
        for (qreal y : {15.0, 20.5})
            fillShape(painter, box(QRectF(x, y, 3, 3)), Palette::Blue.light, Palette::Blue.base, Palette::Blue.dark,
                      0.6);
    fillShape(painter, topRoundedBox(QRectF(13, 22, 6, 7.5), 2.5), Palette::Blue, 0.8);
    fillShape(painter, roundedBox(QRectF(11, 1.5, 10, 10), 2), Palette::Red, 1.0);
    crossMark(painter, QPointF(16, 6.5), 7, Qt::white);
}

} // namespace Glyph
