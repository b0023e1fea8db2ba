#include "print/PrinterPage.h"

#include "print/PainterDrawing.h"
#include "print/PrinterFonts.h"

std::unique_ptr<PrinterPage> PrinterPage::begin(std::unique_ptr<QPrinter> printer) {
    if (!printer)
        return nullptr;
    std::unique_ptr<PrinterPage> page(new PrinterPage(std::move(printer)));
    if (!page->m_painter.begin(page->m_printer.get()))
        return nullptr;
    page->m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    page->m_painter.setRenderHint(QPainter::TextAntialiasing);
    page->m_font = page->m_painter.font();
    return page;
}

PrinterPage::PrinterPage(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {
    const QRect printable = m_printer->pageLayout().paintRectPixels(m_printer->resolution());
    m_width = printable.width();
    m_height = printable.height();
}

PrinterPage::~PrinterPage() {
    endJob();
}

int PrinterPage::screenDpi() const {
    return screenVerticalDpi();
}

void PrinterPage::setFont(const QFont &font) {
    m_font = font;
    if (m_painter.isActive())
        m_painter.setFont(font);
}

void PrinterPage::drawText(int x, int y, const QString &text, const QColor &color, const QColor &background) {
    PainterDrawing::text(m_painter, x, y, text, color, background);
}

void PrinterPage::drawLine(int x1, int y1, int x2, int y2, const QColor &color) {
    PainterDrawing::line(m_painter, x1, y1, x2, y2, color);
}

void PrinterPage::drawPicture(int x, int y, int width, int height, const QPixmap &picture) {
    PainterDrawing::picture(m_painter, x, y, width, height, picture);
}

void PrinterPage::newPage() {
    if (!m_painter.isActive())
        return;
    m_printer->newPage();
    m_painter.setFont(m_font);
}

void PrinterPage::endJob() {
    if (m_painter.isActive())
        m_painter.end();
}
