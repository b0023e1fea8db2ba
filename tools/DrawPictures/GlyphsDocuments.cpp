#include "Canvas.h"
#include "Glyphs.h"

using namespace Canvas;

namespace Glyph {

namespace {

void envelopeIn(QPainter &painter, const QRectF &area) {
    const QPainterPath body = roundedBox(area, 1.5);
    fillShape(painter, body, Palette::Paper.light, QColor(0xdf, 0xe8, 0xf2), Palette::Navy.base, 1.2);
    QPainterPath flap;
    flap.moveTo(area.left() + 0.6, area.top() + 0.6);
    flap.lineTo(area.center().x(), area.top() + area.height() * 0.58);
    flap.lineTo(area.right() - 0.6, area.top() + 0.6);
    fillShape(painter, flap, QColor(0xf6, 0xf9, 0xfc), QColor(0xd5, 0xe0, 0xec), Palette::Navy.base, 1.2);
}

void clipboard(QPainter &painter) {
    fillShape(painter, roundedBox(QRectF(5, 4, 22, 26.5), 2), Palette::Wood, 1.0);
    fillShape(painter, box(QRectF(8, 7.5, 16, 20.5)), Palette::Paper, 0.8);
    fillShape(painter, roundedBox(QRectF(11, 2, 10, 5.5), 1.5), Palette::Steel, 1.0);
    fillShape(painter, circle(QPointF(16, 4.2), 1.1), Palette::Wood.base, Palette::Wood.dark, Palette::Steel.dark, 0.6);
    stroke(painter, QPointF(10.5, 11.5), QPointF(21.5, 11.5), Palette::Writing, 1.4);
    stroke(painter, QPointF(10.5, 14.5), QPointF(18, 14.5), Palette::Writing, 1.4);
}

void book(QPainter &painter, const Hue &cover) {
    const QRectF area(5, 2.5, 20, 26.5);
    fillShape(painter, box(QRectF(area.right() - 1, area.top() + 1.5, 2.5, area.height() - 2.5)), Palette::Paper, 0.8);
    fillShape(painter, roundedBox(area, 1.5), cover, 1.0);
    fillShape(painter, box(QRectF(area.left(), area.top(), 3.5, area.height())), cover.base, cover.dark, cover.dark, 0);
    strokePath(painter, roundedBox(area, 1.5), cover.dark, 1.0);
    fillShape(painter, roundedBox(QRectF(11, 6.5, 11, 5), 0.8), Palette::Paper.light, Palette::Paper.base, cover.dark,
              0.6);
}

// A journal: a bound register of the practice with the act it records on a badge in its corner.
// badgeSize is the side of the box the act's pictogram is drawn in, centred on the badge.
template <typename Draw> void journal(QPainter &painter, const Hue &cover, Draw badge, qreal badgeSize = 12.8) {
    book(painter, cover);
    const QPointF centre(23, 23);
    roundBadge(painter, centre, 7.3, Palette::Paper);
    drawInBox(painter, QRectF(centre.x() - badgeSize / 2, centre.y() - badgeSize / 2, badgeSize, badgeSize), badge);
}

} // namespace

void prescription(QPainter &painter) {
    sheet(painter, QRectF(5.5, 2.5, 21, 27), 6);
    // "Rx", the prescription sign, its x hanging from the leg of the R.
    fillText(painter, QPointF(8, 15), font("DejaVu Sans", 13, true), QStringLiteral("R"), Palette::Blue.dark);
    fillText(painter, QPointF(15, 17.5), font("DejaVu Sans", 9, true), QStringLiteral("x"), Palette::Blue.dark);
    writingLines(painter, 9, 23, 19.5, 3.5, 3);
}

void certificate(QPainter &painter) {
    sheet(painter, QRectF(4.5, 2.5, 21, 27), 6);
    stroke(painter, QPointF(8, 8), QPointF(18, 8), Palette::Navy.base, 2.0);
    writingLines(painter, 8, 22, 12.5, 3.2, 3);
    // The seal and its two ribbons.
    QPainterPath ribbons;
    ribbons.moveTo(20, 23);
    ribbons.lineTo(17.5, 30.5);
    ribbons.lineTo(19.8, 29.2);
    ribbons.lineTo(21.3, 31);
    ribbons.lineTo(23, 24);
    ribbons.moveTo(24, 23);
    ribbons.lineTo(25, 30.5);
    ribbons.lineTo(26.4, 28.8);
    ribbons.lineTo(28.8, 29.8);
    ribbons.lineTo(26.5, 23);
    fillShape(painter, ribbons, Palette::Red, 0.8);
    fillShape(painter, circle(QPointF(23.5, 22), 5.4), Palette::Red, 1.0);
    fillShape(painter, circle(QPointF(23.5, 22), 3.2), Palette::Gold, 0.8);
}

void letterOnward(QPainter &painter) {
    envelopeIn(painter, QRectF(1.5, 4.5, 25, 17));
    roundBadge(painter, QPointF(23.5, 23.5), 6.8, Palette::Green);
    arrowRight(painter, QRectF(19.3, 19.8, 8.8, 7.4), Hue{Qt::white, QColor(0xee, 0xf7, 0xee), Palette::Green.dark});
}

void medicalHistory(QPainter &painter) {
    clipboard(painter);
    crossMark(painter, QPointF(16, 21.5), 9.5, Palette::Red.dark);
    crossMark(painter, QPointF(16, 21.5), 7.5, Palette::Red.base);
}

void surgicalHistory(QPainter &painter) {
    clipboard(painter);
    drawInBox(painter, QRectF(7.5, 12.5, 17, 17), scalpel);
}

void familyHistory(QPainter &painter) {
    clipboard(painter);
    drawInBox(painter, QRectF(7.5, 13, 17, 15.5), family);
}

void tables(QPainter &painter) {
    const QRectF area(3.5, 5.5, 25, 21);
    fillShape(painter, box(area), Palette::Paper, 0);
    fillShape(painter, box(QRectF(area.left(), area.top(), area.width(), 5.5)), Palette::Blue, 0);
    for (qreal x : {11.8, 20.2})
        stroke(painter, QPointF(x, area.top()), QPointF(x, area.bottom()), Palette::Blue.dark, 1.1);
    for (qreal y : {16.2, 21.4})
        stroke(painter, QPointF(area.left(), y), QPointF(area.right(), y), Palette::Blue.dark, 1.1);
    stroke(painter, QPointF(area.left(), 11), QPointF(area.right(), 11), Palette::Blue.dark, 1.1);
    strokePath(painter, box(area), Palette::Navy.dark, 1.4);
}

void medicalFolder(QPainter &painter) {
    folderClosed(painter, Palette::Blue);
    fillShape(painter, roundedBox(QRectF(11, 13.5, 10, 10), 1.5), Palette::Paper, 0.8);
    crossMark(painter, QPointF(16, 18.5), 7, Palette::Red.base);
}

void consultationsJournal(QPainter &painter) {
    journal(painter, Palette::Blue, stethoscope);
}

void analysesJournal(QPainter &painter) {
    journal(painter, Palette::Red, testTubes);
}

void radiosJournal(QPainter &painter) {
    // The square film has to fit inside the round badge.
    journal(painter, Palette::Slate, xray, 11.5);
}

} // namespace Glyph
