// The letterheads of the printed documents and the plain page picture.
//
// A letterhead is printed stretched to a fixed box on the sheet (16 x 5 layout units for the single documents,
// 20 x 4 for the journals), whatever its pixel size. It is therefore designed in millimetres of the printed sheet
// (here in tenths of a millimetre) and mapped onto its pixels, so that it prints undistorted and the same on every
// document, even though the pictures have different heights.

#include "Canvas.h"
#include "Catalogue.h"
#include "Emblem.h"
#include "Practice.h"

#include <QFontMetricsF>

using namespace Canvas;

namespace {

// An A4 sheet is 21 horizontal layout units and 29.7 vertical ones over its 210 mm width.
constexpr qreal TenthsPerHorizontalUnit = 100.0;
constexpr qreal TenthsPerVerticalUnit = 2100.0 / 29.7;

// The single documents print their date at x 14.6 units, their letterhead at x 1 unit: 136 mm into the letterhead.
constexpr qreal DateLeft = (14.6 - 1.0) * TenthsPerHorizontalUnit;
// The page's body (frames, rules, patient box) runs from x 2 to x 18 units: 10 mm to 170 mm of the letterhead.
constexpr qreal BodyLeft = 100;
constexpr qreal BodyCentre = 900;
// The journals' table runs from x 1.2 to x 20 units: 2 mm to 190 mm of their letterhead.
constexpr qreal JournalLeft = 20;
constexpr qreal JournalRight = 1900;

const QColor AccentRule = Palette::Blue.dark;
// The journals draw their table rules in this light blue; their letterhead's rule matches them.
const QColor JournalRule(87, 192, 239);

// A white picture whose painter draws in tenths of a millimetre of the printed letterhead.
struct PrintedCanvas : Drawing {
    PrintedCanvas(QSize pixels, QSizeF printedTenths) : Drawing(pixels, Qt::white) {
        mapDesign(painter, pixels, printedTenths);
    }
};

void rule(QPainter &painter, qreal left, qreal right, qreal y, qreal thickness, const QColor &colour) {
    painter.fillRect(QRectF(left, y - thickness / 2, right - left, thickness), colour);
}

// The doctor's name and speciality beside the emblem, left-aligned at x; top is the emblem's top.
void practiceName(QPainter &painter, qreal x, qreal top, qreal emblemDiameter) {
    Emblem::draw(painter, QPointF(x + emblemDiameter / 2, top + emblemDiameter / 2), emblemDiameter,
                 Emblem::Style::Print);
    const qreal textLeft = x + emblemDiameter + 35;
    fillText(painter, QPointF(textLeft, top + 45), font("Carlito", 48, true), Practice::Doctor, Palette::Navy.base);
    QFont speciality = font("Carlito", 35);
    speciality.setItalic(true);
    fillText(painter, QPointF(textLeft, top + 88), speciality, Practice::Speciality, Palette::Teal.dark);
}

// The header block of the single documents: name, speciality, address and telephone at the top left.
void headerBlock(QPainter &painter) {
    const qreal top = 22;
    const qreal emblemDiameter = 140;
    practiceName(painter, BodyLeft, top, emblemDiameter);
    const qreal textLeft = BodyLeft + emblemDiameter + 35;
    const QFont details = font("Carlito", 30);
    fillText(painter, QPointF(textLeft, top + 126), details, Practice::Address, Palette::Ink);
    fillText(painter, QPointF(textLeft, top + 160), details, Practice::Telephone, Palette::Ink);
}

// "DATE :" in the size of the printed date, on its line, ending just before the date.
// The date is drawn with the top of its text box at dateTop, in arial 0.30: 0.4 vertical units high.
void dateLabel(QPainter &painter, qreal dateTop) {
    const QFont label = font("Liberation Sans", qRound(0.4 * TenthsPerVerticalUnit), true);
    const QString text = QStringLiteral("DATE :");
    const qreal right = DateLeft - 17;
    fillText(painter, QPointF(right - textWidth(label, text), dateTop + QFontMetricsF(label).ascent()), label, text,
             Palette::Ink);
}

// The document's title, letter-spaced, bold and underlined, centred over the page's body.
void documentTitle(QPainter &painter, const QString &title, qreal baseline) {
    const QFont titleFont = font("Liberation Sans", 46, true);
    const qreal spacing = 15;
    qreal width = 0;
    for (const QChar letter : title)
        width += textWidth(titleFont, letter) + spacing;
    width -= spacing;
    qreal x = BodyCentre - width / 2;
    const qreal left = x;
    for (const QChar letter : title) {
        fillText(painter, QPointF(x, baseline), titleFont, letter, Palette::Ink);
        x += textWidth(titleFont, letter) + spacing;
    }
    rule(painter, left, left + width, baseline + 10, 4, Palette::Ink);
}

// A single document's letterhead: 16 x 5 layout units on the sheet.
QImage documentLetterhead(int pixelHeight, qreal dateTopUnits, const QString &title) {
    PrintedCanvas canvas(QSize(703, pixelHeight), QSizeF(16 * TenthsPerHorizontalUnit, 5 * TenthsPerVerticalUnit));
    headerBlock(canvas.painter);
    dateLabel(canvas.painter, dateTopUnits * TenthsPerVerticalUnit);
    rule(canvas.painter, BodyLeft, 1600, 212, 3, AccentRule);
    documentTitle(canvas.painter, title, 300);
    return canvas.finish();
}

// The journals' letterhead: 20 x 4 layout units, the practice at the left, its address at the right, and a rule
// in the colour of the journal's table. The journal's title is printed just below it.
QImage journalLetterhead() {
    PrintedCanvas canvas(QSize(899, 176), QSizeF(20 * TenthsPerHorizontalUnit, 4 * TenthsPerVerticalUnit));
    QPainter &painter = canvas.painter;
    practiceName(painter, JournalLeft, 30, 130);
    const QFont details = font("Carlito", 30);
    const QStringList lines{Practice::Address, Practice::Telephone, Practice::Hours};
    for (int line = 0; line < lines.size(); ++line)
        fillText(painter, QPointF(JournalRight - textWidth(details, lines[line]), 62 + line * 38), details, lines[line],
                 Palette::Ink);
    rule(painter, JournalLeft, JournalRight, 212, 5, JournalRule);
    return canvas.finish();
}

// A plain page with the practice's emblem as a faint watermark.
QImage plainPage() {
    const QSize size(703, 845);
    Drawing drawing(size, Qt::white);
    QPainter &painter = drawing.painter;
    painter.setPen(QPen(QColor(0xd5, 0xdb, 0xe1), 1));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    painter.setOpacity(0.06);
    Emblem::draw(painter, QPointF(size.width() / 2.0, 390), 340, Emblem::Style::Print);
    const QFont name = font("Carlito", 40, true);
    fillText(painter, QPointF((size.width() - textWidth(name, Practice::Doctor)) / 2, 640), name, Practice::Doctor,
             Palette::Navy.base);
    return drawing.finish();
}

} // namespace

QList<Picture> letterheadPictures() {
    // The top of the printed date, in vertical layout units, is taken from each document's layout.
    return {
        {2, documentLetterhead(173, 2.12, QStringLiteral("ORDONNANCE"))},
        {4, documentLetterhead(205, 1.7, QStringLiteral("CERTIFICAT MEDICAL"))},
        {31, documentLetterhead(251, 1.4, QStringLiteral("CONGE DE MALADIE"))},
        {32, journalLetterhead()},
        {33, documentLetterhead(235, 1.4, QStringLiteral("LETTRE DE RECOMMANDATION"))},
        {34, plainPage()},
        {35, documentLetterhead(235, 1.4, QStringLiteral("RENDEZ-VOUS"))},
    };
}
