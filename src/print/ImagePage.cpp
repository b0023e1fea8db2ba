#include "print/ImagePage.h"

#include "print/PainterDrawing.h"

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
    PainterDrawing::text(m_painter, x, y, text, color, background);
}

void ImagePage::drawLine(int x1, int y1, int x2, int y2, const QColor &color) {
    PainterDrawing::line(m_painter, x1, y1, x2, y2, color);
}

void ImagePage::drawPicture(int x, int y, int width, int height, const QPixmap &picture) {
    PainterDrawing::picture(m_painter, x, y, width, height, picture);
}

void ImagePage::endJob() {
    if (m_painter.isActive())
        m_painter.end();
}

QImage ImagePage::finish() {
    endJob();
    return m_image;
}
