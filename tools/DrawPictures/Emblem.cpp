#include "Emblem.h"

#include "Canvas.h"

using namespace Canvas;

namespace Emblem {

namespace {

struct Colours {
    QColor ringTop;
    QColor ringBottom;
    QColor crossTop;
    QColor crossBottom;
    QColor trace;
};

Colours coloursOf(Style style) {
    if (style == Style::Print)
        return {Palette::Navy.base, Palette::Navy.base, Palette::Navy.base, Palette::Navy.base, Palette::Navy.base};
    return {Palette::Teal.light, Palette::Blue.base, QColor(0x4a, 0x95, 0xe0), QColor(0x1b, 0x57, 0x9c),
            Palette::Blue.dark};
}

QPainterPath crossShape() {
    QPainterPath vertical = roundedBox(QRectF(-13, -32, 26, 64), 5);
    QPainterPath horizontal = roundedBox(QRectF(-32, -13, 64, 26), 5);
    return vertical.united(horizontal);
}

QPainterPath heartbeatTrace() {
    QPainterPath trace;
    trace.moveTo(-41, 3);
    trace.lineTo(-19, 3);
    trace.lineTo(-13, -9);
    trace.lineTo(-5, 21);
    trace.lineTo(4, -25);
    trace.lineTo(11, 11);
    trace.lineTo(15, 3);
    trace.lineTo(41, 3);
    return trace;
}

} // namespace

void draw(QPainter &painter, const QPointF &centre, qreal diameter, Style style) {
    const Colours colours = coloursOf(style);
    painter.save();
    painter.translate(centre);
    painter.scale(diameter / 100.0, diameter / 100.0);

    const QPainterPath ring = circle(QPointF(0, 0), 50).subtracted(circle(QPointF(0, 0), 44.5));
    fillShape(painter, ring, colours.ringTop, colours.ringBottom, colours.ringBottom, 0);

    const QPainterPath cross = crossShape();
    fillShape(painter, cross, colours.crossTop, colours.crossBottom, colours.crossBottom, 0);

    // The trace runs in the ink colour across the white disc and turns white where it crosses the cross.
    const QPainterPath trace = heartbeatTrace();
    painter.save();
    painter.setClipPath(circle(QPointF(0, 0), 43).subtracted(cross));
    strokePath(painter, trace, colours.trace, 4.6);
    painter.restore();
    painter.save();
    painter.setClipPath(cross);
    strokePath(painter, trace, Qt::white, 4.6);
    painter.restore();

    painter.restore();
}

} // namespace Emblem
