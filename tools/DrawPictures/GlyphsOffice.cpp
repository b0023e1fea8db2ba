#include "Canvas.h"
#include "Glyphs.h"

#include <QtMath>

using namespace Canvas;

namespace Glyph {

namespace {

void floppyBody(QPainter &painter) {
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    fillShape(painter, body, Palette::Blue, 1.1);
    fillShape(painter, box(QRectF(9.5, 4.5, 12, 8)), Palette::Steel, 0.9);
    fillShape(painter, box(QRectF(17, 6, 2.6, 5)), Palette::Slate.base, Palette::Slate.dark, Palette::Slate.dark, 0);
    fillShape(painter, box(QRectF(8, 16.5, 16, 11.5)), Palette::Paper, 0.9);
    stroke(painter, QPointF(10.5, 20), QPointF(21.5, 20), Palette::Writing, 1.3);
    stroke(painter, QPointF(10.5, 23.5), QPointF(18, 23.5), Palette::Writing, 1.3);
}

QPainterPath star(const QPointF &centre, qreal outer, qreal inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = qDegreesToRadians(-90.0 + i * 180.0 / points);
        const QPointF corner(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

// A clock face on a round badge, for pictures that tell a time.
void smallClock(QPainter &painter, const QPointF &centre, qreal radius) {
    roundBadge(painter, centre, radius, Palette::Paper);
    strokePath(painter, circle(centre, radius - 0.4), Palette::Navy.base, 1.2);
    stroke(painter, centre, centre + QPointF(0, -radius * 0.62), Palette::Navy.dark, 1.3);
    stroke(painter, centre, centre + QPointF(radius * 0.48, radius * 0.1), Palette::Navy.dark, 1.3);
    fillShape(painter, circle(centre, radius * 0.13), Palette::Red, 0);
}

} // namespace

void folderClosed(QPainter &painter, const Hue &hue) {
    QPainterPath back = roundedBox(QRectF(3, 6, 11, 6), 1.5).united(roundedBox(QRectF(3, 8.5, 26, 18.5), 1.5));
    fillShape(painter, back, hue.base, hue.dark, hue.dark, 1.0);
    fillShape(painter, roundedBox(QRectF(3, 11, 26, 16), 1.5), hue, 1.0);
    stroke(painter, QPointF(4.5, 12.6), QPointF(27.5, 12.6), QColor(255, 255, 255, 140), 1.0);
}

void folderOpen(QPainter &painter) {
    const Hue &hue = Palette::Yellow;
    QPainterPath back = roundedBox(QRectF(2.5, 5.5, 11, 6), 1.5).united(roundedBox(QRectF(2.5, 8, 24, 19.5), 1.5));
    fillShape(painter, back, hue.base, hue.dark, hue.dark, 1.0);
    fillShape(painter, box(QRectF(6, 9.5, 18, 12)), Palette::Paper, 0.8);
    stroke(painter, QPointF(8.5, 12.5), QPointF(20, 12.5), Palette::Writing, 1.1);
    QPainterPath front;
    front.moveTo(7.5, 14);
    front.lineTo(30.5, 14);
    front.lineTo(26.5, 27.5);
    front.lineTo(2.5, 27.5);
    front.closeSubpath();
    fillShape(painter, front, hue, 1.0);
}

void closeRecord(QPainter &painter) {
    folderClosed(painter, Palette::Yellow);
    closeBadge(painter, QPointF(23.5, 23.5), 7);
}

void calendar(QPainter &painter) {
    const QPainterPath page = roundedBox(QRectF(3.5, 5.5, 25, 23.5), 2);
    fillShape(painter, page, Palette::Paper, 0);
    painter.save();
    painter.setClipPath(page);
    fillShape(painter, box(QRectF(3.5, 5.5, 25, 6.5)), Palette::Red, 0);
    painter.restore();
    strokePath(painter, page, Palette::Navy.base, 1.1);
    for (qreal x : {10.0, 22.0})
        fillShape(painter, roundedBox(QRectF(x - 1.3, 2.5, 2.6, 6), 1.2), Palette::Steel, 0.8);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const QRectF day(6.5 + column * 5.2, 14.5 + row * 4.6, 3.6, 3.2);
            const bool chosen = row == 1 && column == 2;
            const QColor colour = chosen ? Palette::Blue.base : QColor(0xb4, 0xbf, 0xcb);
            fillShape(painter, box(day), colour, colour, colour, 0);
        }
}

void appointment(QPainter &painter) {
    calendar(painter);
    smallClock(painter, QPointF(23.5, 23.5), 7);
}

void clockFace(QPainter &painter) {
    fillShape(painter, circle(QPointF(16, 16), 13.5), Palette::Blue, 1.0);
    fillShape(painter, circle(QPointF(16, 16), 10.8), Palette::Paper, 0.8);
    for (int hour = 0; hour < 12; ++hour) {
        const qreal angle = qDegreesToRadians(hour * 30.0);
        const qreal inner = hour % 3 ? 8.8 : 7.6;
        stroke(painter, QPointF(16 + inner * qSin(angle), 16 - inner * qCos(angle)),
               QPointF(16 + 9.8 * qSin(angle), 16 - 9.8 * qCos(angle)), Palette::Navy.base, hour % 3 ? 0.8 : 1.3);
    }
    stroke(painter, QPointF(16, 16), QPointF(16, 8.5), Palette::Navy.dark, 1.6);
    stroke(painter, QPointF(16, 16), QPointF(21, 18.5), Palette::Navy.dark, 1.6);
    fillShape(painter, circle(QPointF(16, 16), 1.3), Palette::Red, 0);
}

void payment(QPainter &painter) {
    const QRectF note(2, 6, 22, 14);
    fillShape(painter, roundedBox(note, 1.2), Palette::Green, 1.0);
    strokePath(painter, roundedBox(note.adjusted(2, 2, -2, -2), 0.8), QColor(255, 255, 255, 130), 0.9);
    fillShape(painter, circle(note.center(), 3.4), Palette::Green.light, Palette::Green.light, Palette::Green.dark,
              0.8);
    for (int coin = 0; coin < 3; ++coin) {
        const qreal top = 25 - coin * 3.4;
        QPainterPath side = ellipse(QPointF(22.5, top + 2.4), 7, 2.6).united(box(QRectF(15.5, top, 14, 2.4)));
        fillShape(painter, side, Palette::Gold.base, Palette::Gold.dark, Palette::Gold.dark, 0.9);
        fillShape(painter, ellipse(QPointF(22.5, top), 7, 2.6), Palette::Gold, 0.9);
    }
}

void camera(QPainter &painter) {
    fillShape(painter, roundedBox(QRectF(10, 5.5, 10, 6), 1.5), Palette::Slate, 1.0);
    fillShape(painter, roundedBox(QRectF(2.5, 9, 27, 19), 3), Palette::Slate, 1.1);
    fillShape(painter, roundedBox(QRectF(23, 11.5, 4, 2.5), 0.6), Palette::Gold.light, Palette::Paper.light,
              Palette::Slate.dark, 0.6);
    fillShape(painter, circle(QPointF(16, 18.5), 7), Palette::Steel, 1.0);
    QRadialGradient glass(QPointF(14.5, 17), 5);
    glass.setColorAt(0, QColor(0x6f, 0xa8, 0xe3));
    glass.setColorAt(1, QColor(0x10, 0x22, 0x3a));
    painter.save();
    painter.setBrush(glass);
    painter.setPen(QPen(Palette::Slate.dark, 0.9));
    painter.drawEllipse(QPointF(16, 18.5), 4.6, 4.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(14.4, 16.9), 1.2, 1.2);
    painter.restore();
}

void backup(QPainter &painter) {
    floppyBody(painter);
    roundBadge(painter, QPointF(23.5, 23.5), 7, Palette::Green);
    arrowDown(painter, QRectF(19.5, 18.8, 8, 9.2), Hue{Qt::white, QColor(0xee, 0xf7, 0xee), Palette::Green.dark});
}

void restore(QPainter &painter) {
    floppyBody(painter);
    roundBadge(painter, QPointF(23.5, 23.5), 7, Palette::Paper);
    circularArrow(painter, QPointF(23.5, 23.5), 5.6, Palette::Orange);
}

void databaseReset(QPainter &painter) {
    const Hue &hue = Palette::Steel;
    const qreal left = 5;
    const qreal right = 25;
    const qreal rx = (right - left) / 2;
    const qreal cx = (left + right) / 2;
    for (int layer = 2; layer >= 0; --layer) {
        const qreal top = 6.5 + layer * 6.5;
        QPainterPath side = ellipse(QPointF(cx, top + 6.5), rx, 3.2).united(box(QRectF(left, top, right - left, 6.5)));
        fillShape(painter, side, hue.base, hue.dark, Palette::Slate.dark, 1.0);
        fillShape(painter, ellipse(QPointF(cx, top), rx, 3.2), hue.light, hue.base, Palette::Slate.dark, 1.0);
    }
    fillShape(painter, star(QPointF(24, 23.5), 8, 3.6, 8), Palette::Gold, 1.0);
}

void gear(QPainter &painter) {
    QPainterPath wheel = circle(QPointF(16, 16), 9.5);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(16, 16);
        turn.rotate(tooth * 45.0);
        QPainterPath cog;
        cog.addRoundedRect(QRectF(-2.8, -14, 5.6, 6), 1, 1);
        wheel = wheel.united(turn.map(cog));
    }
    wheel = wheel.subtracted(circle(QPointF(16, 16), 4));
    fillShape(painter, wheel, Palette::Steel.light, Palette::Steel.base, Palette::Slate.dark, 1.1);
    strokePath(painter, circle(QPointF(16, 16), 6.5), QColor(255, 255, 255, 150), 1.0);
}

void help(QPainter &painter) {
    fillShape(painter, circle(QPointF(16, 16), 13.5), Palette::Blue, 1.1);
    const QFont mark = font("DejaVu Sans", 21, true);
    const QString text("?");
    fillText(painter, QPointF(16 - textWidth(mark, text) / 2, 23.5), mark, text, Qt::white);
}

void power(QPainter &painter) {
    fillShape(painter, circle(QPointF(16, 16), 13.5), Palette::Red, 1.1);
    QPainterPath ring;
    ring.arcMoveTo(QRectF(8.5, 9, 15, 15), 125);
    ring.arcTo(QRectF(8.5, 9, 15, 15), 125, 290);
    strokePath(painter, ring, Qt::white, 2.8);
    stroke(painter, QPointF(16, 6.5), QPointF(16, 15), Qt::white, 2.8);
}

void printer(QPainter &painter) {
    fillShape(painter, box(QRectF(8.5, 3, 15, 11)), Palette::Paper, 0.9);
    fillShape(painter, roundedBox(QRectF(2.5, 11, 27, 13), 2.5), Palette::Steel, 1.1);
    fillShape(painter, box(QRectF(6.5, 18.5, 19, 2)), Palette::Slate.base, Palette::Slate.dark, Palette::Slate.dark, 0);
    fillShape(painter, box(QRectF(8.5, 19.5, 15, 10)), Palette::Paper, 0.9);
    stroke(painter, QPointF(11, 23), QPointF(21, 23), Palette::Writing, 1.2);
    stroke(painter, QPointF(11, 26), QPointF(17.5, 26), Palette::Writing, 1.2);
    fillShape(painter, circle(QPointF(25.5, 15), 1.1), Palette::Green, 0);
}

void telephone(QPainter &painter) {
    // A desk telephone: the handset resting on its base.
    QPainterPath base;
    base.moveTo(9, 14);
    base.lineTo(23, 14);
    base.lineTo(28.5, 27);
    base.cubicTo(28.5, 28.5, 28, 29, 26.5, 29);
    base.lineTo(5.5, 29);
    base.cubicTo(4, 29, 3.5, 28.5, 3.5, 27);
    base.closeSubpath();
    fillShape(painter, base, Palette::Teal, 1.1);
    fillShape(painter, circle(QPointF(16, 22), 4.3), Palette::Paper, 0.9);
    fillShape(painter, circle(QPointF(16, 22), 1.5), Palette::Teal, 0.6);
    QPainterPath handset;
    handset.moveTo(2.5, 11.5);
    handset.cubicTo(2.5, 6.5, 8, 4, 16, 4);
    handset.cubicTo(24, 4, 29.5, 6.5, 29.5, 11.5);
    handset.lineTo(29.5, 12.5);
    handset.cubicTo(29.5, 13.5, 29, 14, 28, 14);
    handset.lineTo(23.5, 14);
    handset.cubicTo(22.5, 14, 22, 13.5, 22, 12.5);
    handset.lineTo(22, 10.5);
    handset.cubicTo(20, 9.8, 18, 9.5, 16, 9.5);
    handset.cubicTo(14, 9.5, 12, 9.8, 10, 10.5);
    handset.lineTo(10, 12.5);
    handset.cubicTo(10, 13.5, 9.5, 14, 8.5, 14);
    handset.lineTo(4, 14);
    handset.cubicTo(3, 14, 2.5, 13.5, 2.5, 12.5);
    handset.closeSubpath();
    fillShape(painter, handset, Palette::Teal, 1.1);
}

void search(QPainter &painter) {
    magnifier(painter, QPointF(13, 13), 8.5);
}

} // namespace Glyph
