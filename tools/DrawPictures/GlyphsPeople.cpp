#include "Canvas.h"
#include "Glyphs.h"

using namespace Canvas;

namespace Glyph {

void patientSelect(QPainter &painter) {
    person(painter, QPointF(13, 9.5), 1.3, Palette::Blue);
    magnifier(painter, QPointF(21, 19.5), 4.8);
}

void patients(QPainter &painter) {
    // Two people side by side, the second a little behind the first.
    person(painter, QPointF(20.5, 8.5), 1.05, Palette::Teal);
    person(painter, QPointF(12, 11.5), 1.2, Palette::Blue);
}

void family(QPainter &painter) {
    person(painter, QPointF(9, 8), 0.95, Palette::Blue);
    person(painter, QPointF(23, 8), 0.95, Palette::Purple);
    person(painter, QPointF(16, 17), 0.72, Palette::Orange);
}

void patientCard(QPainter &painter) {
    // An index card with the patient's photograph and the lines of the record.
    const QPainterPath card = roundedBox(QRectF(2.5, 6.5, 27, 20), 2.5);
    fillShape(painter, card, Palette::Paper.light, QColor(0xe3, 0xee, 0xf8), Palette::Blue.dark, 0);
    painter.save();
    painter.setClipPath(card);
    fillShape(painter, box(QRectF(2.5, 6.5, 27, 5)), Palette::Blue, 0);
    painter.restore();
    strokePath(painter, card, Palette::Blue.dark, 1.0);

    const QRectF photo(5.5, 14, 9, 9.5);
    fillShape(painter, box(photo), QColor(0xdd, 0xea, 0xf6), QColor(0xc4, 0xd8, 0xec), Palette::Blue.dark, 0.8);
    painter.save();
    painter.setClipRect(photo.adjusted(0.4, 0.4, -0.4, -0.4));
    person(painter, QPointF(10, 17.5), 0.5, Palette::Navy);
    painter.restore();
    stroke(painter, QPointF(17.5, 15.5), QPointF(26.5, 15.5), Palette::Navy.base, 1.6);
    stroke(painter, QPointF(17.5, 19), QPointF(26.5, 19), Palette::Writing, 1.5);
    stroke(painter, QPointF(17.5, 22.5), QPointF(23, 22.5), Palette::Writing, 1.5);
}

} // namespace Glyph
