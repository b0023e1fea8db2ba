#include "print/TableRows.h"

#include "print/Page.h"
#include "print/Units.h"

bool startNewPageWhenFull(Page &page, int &y, const std::function<void(int y)> &closeFrame,
                          const std::function<int()> &drawHeader) {
    if (y < page.height() - PageBottomMargin)
        return false;
    if (closeFrame)
        closeFrame(y);
    page.newPage();
    if (drawHeader)
        y = drawHeader();
    return true;
}

void drawRightAligned(Page &page, int columnEnd, int y, const QString &text, const QColor &color,
                      const QColor &background) {
    const Units units(page);
    const int step = units.x(0.16);
    int x = columnEnd - units.x(0.18);
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        page.drawText(x, y, QString(text[i]), color, background);
        x -= step;
    }
}
