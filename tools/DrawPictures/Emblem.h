#pragma once

#include <QPainter>

// The practice's emblem: a medical cross crossed by a heartbeat trace, inside a ring.
namespace Emblem {

enum class Style {
    Colour, // the screen logo: blue and teal gradients
    Print,  // letterheads: one dark ink that prints well in black and white
};

void draw(QPainter &painter, const QPointF &centre, qreal diameter, Style style);

} // namespace Emblem
