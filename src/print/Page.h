#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

// One printed page as the documents see it: everything is in device pixels, the origin is the top-left
// corner of the printable area. A printer implementation paints on paper; a recording one keeps the
// operations so that layouts can be checked without a printer.
class Page {
public:
    virtual ~Page() = default;

    // Printable width and height in device pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;

    // The screen's vertical resolution in dots per inch: printer font sizes are computed against it.
    virtual int screenDpi() const = 0;

    // The font of the following texts; it stays across new pages.
    virtual void setFont(const QFont &font) = 0;
    virtual QFont font() const = 0;

    // (x, y) is the top-left corner of the text cell; the text sits on its own opaque box.
    virtual void drawText(int x, int y, const QString &text, const QColor &color = Qt::black,
                          const QColor &background = Qt::white) = 0;

    virtual void drawLine(int x1, int y1, int x2, int y2, const QColor &color = Qt::black) = 0;

    // Scales the picture to exactly width x height pixels, proportions not kept.
    virtual void drawPicture(int x, int y, int width, int height, const QPixmap &picture) = 0;

    // Ends the current sheet and starts the next; the font is kept.
    virtual void newPage() = 0;

    // Ends the last page and hands the job over; nothing may be drawn after it.
    virtual void endJob() = 0;
};
