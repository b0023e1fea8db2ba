#pragma once

#include "Palette.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Shared drawing helpers: blank images, design spaces, gradient-filled outlined shapes and fonts.
namespace Canvas {

// A new image of the given size filled with the background (transparent by default).
QImage blankImage(QSize size, const QColor &background = Qt::transparent);

// An image being drawn: the image and a prepared painter on it.
struct Drawing {
    QImage image;
    QPainter painter;

    explicit Drawing(QSize size, const QColor &background = Qt::transparent);
    // Ends the painting and hands the image over.
    QImage finish();
};

// Prepares a painter for clean artwork: antialiasing and smooth scaling on.
void prepare(QPainter &painter);

// Scales the painter so that a design box of designSize fills an image of imageSize.
void mapDesign(QPainter &painter, QSize imageSize, QSizeF designSize);

// Fills a shape with a top-to-bottom gradient of the hue and outlines it in the hue's dark tone.
void fillShape(QPainter &painter, const QPainterPath &shape, const Hue &hue, qreal outlineWidth = 1.0);
void fillShape(QPainter &painter, const QPainterPath &shape, const QColor &top, const QColor &bottom,
               const QColor &outline, qreal outlineWidth = 1.0);

QPainterPath box(const QRectF &area);
QPainterPath roundedBox(const QRectF &area, qreal radius);
QPainterPath ellipse(const QPointF &centre, qreal rx, qreal ry);
QPainterPath circle(const QPointF &centre, qreal radius);

// Draws a round-capped line.
void stroke(QPainter &painter, const QPointF &from, const QPointF &to, const QColor &colour, qreal width);
void strokePath(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width);

// Fills a text as a vector shape, its baseline starting at origin (exact at any scale of the painter).
void fillText(QPainter &painter, const QPointF &origin, const QFont &font, const QString &text, const QColor &colour);

// The width of a text in the font's units.
qreal textWidth(const QFont &font, const QString &text);

// A font of an exact pixel size (design units when the painter is scaled).
QFont font(const QString &family, int pixelSize, bool bold = false);

// Draws the glyph function's 32 x 32 design into the target box of the current design space.
template <typename Draw> void drawInBox(QPainter &painter, const QRectF &target, Draw draw) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32.0, target.height() / 32.0);
    draw(painter);
    painter.restore();
}

} // namespace Canvas
