#include "print/PainterDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>

namespace PainterDrawing {

void text(QPainter &painter, int x, int y, const QString &text, const QColor &color, const QColor &background) {
    if (!painter.isActive())
        return;
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.fillRect(QRectF(x, y, metrics.horizontalAdvance(text), metrics.height()), background);
    painter.setPen(color);
    painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void line(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &color) {
    if (!painter.isActive())
        return;
    painter.setPen(QPen(color, 1));
    painter.drawLine(x1, y1, x2, y2);
}

void picture(QPainter &painter, int x, int y, int width, int height, const QPixmap &picture) {
    if (!painter.isActive() || picture.isNull() || width <= 0 || height <= 0)
        return;
    painter.drawPixmap(QRect(x, y, width, height), picture);
}

} // namespace PainterDrawing
