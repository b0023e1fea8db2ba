#include "print/ImagePage.h"

#include <QFontMetricsF>

ImagePage::ImagePage(int pageWidth, int pageHeight, QSize imageSize, QPoint origin)
    : m_width(pageWidth), m_height(pageHeight), m_image(imageSize, QImage::Format_RGB32) {
    m_image.fill(Qt::white);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.translate(-origin);
}

ImagePage::~ImagePage() {
    endJob();
}

void ImagePage::setFont(const QFont &font) {
    if (m_painter.isActive())
        m_painter.setFont(font);
}

void ImagePage::drawText(int x, int y, const QString &text, const QColor &color, const QColor &background) {
    if (!m_painter.isActive())
        return;
    const QFontMetricsF metrics(m_painter.font());
    m_painter.fillRect(QRectF(x, y, metrics.horizontalAdvance(text), metrics.height()), background);
    m_painter.setPen(color);
    m_painter.drawText(QPointF(x, y + metrics.ascent()), text);
}

void ImagePage::drawLine(int x1, int y1, int x2, int y2, const QColor &color) {
    if (!m_painter.isActive())
        return;
    m_painter.setPen(QPen(color, 1));
    m_painter.drawLine(x1, y1, x2, y2);
}

void ImagePage::drawPicture(int x, int y, int width, int height, const QPixmap &picture) {
    if (!m_painter.isActive() || picture.isNull() || width <= 0 || height <= 0)
        return;
    m_painter.drawPixmap(QRect(x, y, width, height), picture);
}

void ImagePage::endJob() {
    if (m_painter.isActive())
        m_painter.end();
}

QImage ImagePage::finish() {
    endJob();
    return m_image;
}
