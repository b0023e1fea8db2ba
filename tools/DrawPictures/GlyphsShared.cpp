#include "Canvas.h"
#include "Glyphs.h"

#include <QtMath>

using namespace Canvas;

namespace Glyph {

void sheet(QPainter &painter, const QRectF &box, qreal fold) {
    QPainterPath page;
    page.moveTo(box.left(), box.top());
    page.lineTo(box.right() - fold, box.top());
    page.lineTo(box.right(), box.top() + fold);
    page.lineTo(box.right(), box.bottom());
    page.lineTo(box.left(), box.bottom());
    page.closeSubpath();
    fillShape(painter, page, Palette::Paper);

    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    corner.closeSubpath();
    fillShape(painter, corner, Palette::Steel.light, Palette::Steel.base, Palette::Paper.dark);
}

void writingLines(QPainter &painter, qreal left, qreal right, qreal top, qreal step, int count) {
    for (int line = 0; line < count; ++line) {
        // The last line of a paragraph stops short, as written text does.
        const qreal end = line == count - 1 ? left + (right - left) * 0.6 : right;
        stroke(painter, QPointF(left, top + line * step), QPointF(end, top + line * step), Palette::Writing, 1.5);
    }
}

QPainterPath topRoundedBox(const QRectF &box, qreal radius) {
    QPainterPath path;
    path.moveTo(box.left(), box.bottom());
    path.lineTo(box.left(), box.top() + radius);
    path.arcTo(QRectF(box.left(), box.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(box.right() - radius, box.top());
    path.arcTo(QRectF(box.right() - 2 * radius, box.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(box.right(), box.bottom());
    path.closeSubpath();
    return path;
}

void person(QPainter &painter, const QPointF &headCentre, qreal scale, const Hue &clothes) {
    const qreal headRadius = 4.6 * scale;
    const qreal shoulders = 16 * scale;
    const QRectF body(headCentre.x() - shoulders / 2, headCentre.y() + headRadius + 1.2 * scale, shoulders,
                      9.5 * scale);
    fillShape(painter, topRoundedBox(body, 6 * scale), clothes, 1.0);
    fillShape(painter, circle(headCentre, headRadius), Palette::Skin, 1.0);
}

void magnifier(QPainter &painter, const QPointF &centre, qreal radius) {
    const QPointF handleStart = centre + QPointF(radius * 0.72, radius * 0.72);
    const QPointF handleEnd = centre + QPointF(radius * 1.75, radius * 1.75);
    stroke(painter, handleStart, handleEnd, Palette::Slate.dark, radius * 0.75);
    stroke(painter, handleStart, handleEnd, Palette::Slate.base, radius * 0.42);
    QRadialGradient glass(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    glass.setColorAt(0, QColor(255, 255, 255, 240));
    glass.setColorAt(1, QColor(0xc9, 0xe4, 0xfa, 230));
    painter.save();
    painter.setBrush(glass);
    painter.setPen(QPen(Palette::Slate.dark, radius * 0.32));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void roundBadge(QPainter &painter, const QPointF &centre, qreal radius, const Hue &hue) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius + 1.2, radius + 1.2);
    painter.restore();
    fillShape(painter, circle(centre, radius), hue, 1.0);
}

void crossMark(QPainter &painter, const QPointF &centre, qreal size, const QColor &colour) {
    const qreal arm = size / 3;
    QPainterPath cross;
    cross.addRect(QRectF(centre.x() - arm / 2, centre.y() - size / 2, arm, size));
    cross.addRect(QRectF(centre.x() - size / 2, centre.y() - arm / 2, size, arm));
    cross.setFillRule(Qt::WindingFill);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(cross.simplified());
    painter.restore();
}

void closeBadge(QPainter &painter, const QPointF &centre, qreal radius) {
    roundBadge(painter, centre, radius, Palette::Red);
    const qreal arm = radius * 0.45;
    stroke(painter, centre + QPointF(-arm, -arm), centre + QPointF(arm, arm), Qt::white, radius * 0.36);
    stroke(painter, centre + QPointF(arm, -arm), centre + QPointF(-arm, arm), Qt::white, radius * 0.36);
}

void arrowRight(QPainter &painter, const QRectF &box, const Hue &hue) {
    const qreal midY = box.center().y();
    const qreal shaft = box.height() * 0.22;
    const qreal headStart = box.left() + box.width() * 0.5;
    QPainterPath arrow;
    arrow.moveTo(box.left(), midY - shaft);
    arrow.lineTo(headStart, midY - shaft);
    arrow.lineTo(headStart, box.top());
    arrow.lineTo(box.right(), midY);
    arrow.lineTo(headStart, box.bottom());
    arrow.lineTo(headStart, midY + shaft);
    arrow.lineTo(box.left(), midY + shaft);
    arrow.closeSubpath();
    fillShape(painter, arrow, hue, 1.0);
}

void arrowDown(QPainter &painter, const QRectF &box, const Hue &hue) {
    const qreal midX = box.center().x();
    const qreal shaft = box.width() * 0.22;
    const qreal headStart = box.top() + box.height() * 0.5;
    QPainterPath arrow;
    arrow.moveTo(midX - shaft, box.top());
    arrow.lineTo(midX + shaft, box.top());
    arrow.lineTo(midX + shaft, headStart);
    arrow.lineTo(box.right(), headStart);
    arrow.lineTo(midX, box.bottom());
    arrow.lineTo(box.left(), headStart);
    arrow.lineTo(midX - shaft, headStart);
    arrow.closeSubpath();
    fillShape(painter, arrow, hue, 1.0);
}

void circularArrow(QPainter &painter, const QPointF &centre, qreal radius, const Hue &hue) {
    // A three-quarter ring turning anticlockwise, ending in an arrow head: "back to an earlier state".
    const qreal band = radius * 0.42;
    const qreal outer = radius;
    const qreal inner = radius - band;
    const qreal startAngle = 100;
    const qreal sweep = 250;
    QPainterPath ring;
    ring.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), startAngle);
    ring.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), startAngle, sweep);
    ring.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), startAngle + sweep, -sweep);
    ring.closeSubpath();

    // The head sits at the start of the ring and points along the turn (anticlockwise on screen).
    const qreal mid = (outer + inner) / 2;
    const qreal angle = qDegreesToRadians(startAngle);
    const QPointF base(centre.x() + mid * qCos(angle), centre.y() - mid * qSin(angle));
    const QPointF radial(qCos(angle), -qSin(angle));
    const QPointF along(-qSin(angle), -qCos(angle));
    const qreal half = band * 1.15;
    QPainterPath head;
    head.moveTo(base + radial * half - along * 0.6);
    head.lineTo(base + along * band * 1.5);
    head.lineTo(base - radial * half - along * 0.6);
    head.closeSubpath();

    QPainterPath arrow = ring.united(head);
    fillShape(painter, arrow, hue, 1.0);
}

void capsule(QPainter &painter, const QPointF &centre, qreal length, qreal width, qreal angle, const Hue &first,
             const Hue &second) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF whole(-length / 2, -width / 2, length, width);
    QPainterPath shell = roundedBox(whole, width / 2);
    QPainterPath left;
    left.addRect(QRectF(-length / 2, -width / 2, length / 2, width));
    QPainterPath right;
    right.addRect(QRectF(0, -width / 2, length / 2, width));
    fillShape(painter, shell.intersected(left), first, 0);
    fillShape(painter, shell.intersected(right), second, 0);
    strokePath(painter, shell, first.dark, 1.0);
    stroke(painter, QPointF(0, -width / 2), QPointF(0, width / 2), first.dark, 0.8);
    // A soft highlight along the top gives the shell its roundness.
    stroke(painter, QPointF(-length / 2 + width * 0.5, -width * 0.2), QPointF(length / 2 - width * 0.5, -width * 0.2),
           QColor(255, 255, 255, 150), width * 0.18);
    painter.restore();
}

} // namespace Glyph
