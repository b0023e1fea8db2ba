#include "Canvas.h"

#include <QFontMetricsF>
#include <QLinearGradient>

namespace Canvas {

QImage blankImage(QSize size, const QColor &background) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

Drawing::Drawing(QSize size, const QColor &background) : image(blankImage(size, background)), painter(&image) {
    prepare(painter);
}

QImage Drawing::finish() {
    painter.end();
    return image;
}

void prepare(QPainter &painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void mapDesign(QPainter &painter, QSize imageSize, QSizeF designSize) {
    painter.scale(imageSize.width() / designSize.width(), imageSize.height() / designSize.height());
}

void fillShape(QPainter &painter, const QPainterPath &shape, const Hue &hue, qreal outlineWidth) {
    fillShape(painter, shape, hue.light, hue.base, hue.dark, outlineWidth);
}

void fillShape(QPainter &painter, const QPainterPath &shape, const QColor &top, const QColor &bottom,
               const QColor &outline, qreal outlineWidth) {
    const QRectF bounds = shape.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.save();
    if (outlineWidth > 0)
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(shape);
    painter.restore();
}

QPainterPath box(const QRectF &area) {
    QPainterPath path;
    path.addRect(area);
    return path;
}

QPainterPath roundedBox(const QRectF &area, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    return path;
}

QPainterPath ellipse(const QPointF &centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath circle(const QPointF &centre, qreal radius) {
    return ellipse(centre, radius, radius);
}

void stroke(QPainter &painter, const QPointF &from, const QPointF &to, const QColor &colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    painter.restore();
}

void strokePath(QPainter &painter, const QPainterPath &path, const QColor &colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void fillText(QPainter &painter, const QPointF &origin, const QFont &font, const QString &text, const QColor &colour) {
    QPainterPath path;
    path.addText(origin, font, text);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

qreal textWidth(const QFont &font, const QString &text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QFont font(const QString &family, int pixelSize, bool bold) {
    QFont result(family);
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

} // namespace Canvas
