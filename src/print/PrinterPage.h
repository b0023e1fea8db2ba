#pragma once

#include "print/Page.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// A page that paints on a printer (or a PDF file) through QPainter.
class PrinterPage : public Page {
public:
    // Starts the job on the printer and opens the drawing on its first page; nullptr when the
    // printer refuses to start.
    static std::unique_ptr<PrinterPage> begin(std::unique_ptr<QPrinter> printer);

    ~PrinterPage() override;

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    int screenDpi() const override;
    void setFont(const QFont &font) override;
    QFont font() const override { return m_font; }
    void drawText(int x, int y, const QString &text, const QColor &color, const QColor &background) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor &color) override;
    void drawPicture(int x, int y, int width, int height, const QPixmap &picture) override;
    void newPage() override;
    void endJob() override;

    const QPrinter &printer() const { return *m_printer; }

private:
    explicit PrinterPage(std::unique_ptr<QPrinter> printer);

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_width = 0;
    int m_height = 0;
};
