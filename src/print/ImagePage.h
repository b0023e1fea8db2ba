#pragma once

#include "print/Page.h"

#include <QImage>
#include <QPainter>

// A page that paints on an image, as a printer of that width would: for previews on screen and for the
// pictures drawn from the same layouts. The image starts white; (originX, originY) pixels of the page are
// the image's top-left corner, so a part of a page can be drawn alone.
class ImagePage : public Page {
public:
    ImagePage(int pageWidth, int pageHeight, QSize imageSize, QPoint origin = {});
    ~ImagePage() override;

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    int screenDpi() const override { return 96; }
    void setFont(const QFont &font) override;
    QFont font() const override { return m_painter.font(); }
    void drawText(int x, int y, const QString &text, const QColor &color = Qt::black,
                  const QColor &background = Qt::white) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor &color = Qt::black) override;
    void drawPicture(int x, int y, int width, int height, const QPixmap &picture) override;
    // An image has one sheet: what follows a new page is drawn over it.
    void newPage() override {}
    void endJob() override;

    // Ends the painting and hands the image over.
    QImage finish();

private:
    int m_width;
    int m_height;
    QImage m_image;
    QPainter m_painter;
};
