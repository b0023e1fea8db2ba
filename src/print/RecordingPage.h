#pragma once

#include "print/Page.h"

#include <QList>
#include <QSize>

// One drawing operation as a recording page kept it.
struct PageOperation {
    enum class Kind { Text, Line, Picture, NewPage, EndJob };

    Kind kind = Kind::Text;
    int page = 0; // index of the sheet it was drawn on, from 0
    int x = 0;    // text and picture: top-left corner; line: first end
    int y = 0;
    int x2 = 0; // line: second end
    int y2 = 0;
    int width = 0; // picture: the size it was scaled to
    int height = 0;
    QString text;
    QFont font; // the current font when a text was drawn
    QColor color;
    QColor background;
    QSize pictureSize; // the picture's own size (empty for a null picture)
};

// A page of a given size that draws nothing and records every operation, for tests and measurements.
class RecordingPage : public Page {
public:
    RecordingPage(int width, int height, int screenDpi = 96);

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    int screenDpi() const override { return m_screenDpi; }
    void setFont(const QFont &font) override { m_font = font; }
    QFont font() const override { return m_font; }
    void drawText(int x, int y, const QString &text, const QColor &color = Qt::black,
                  const QColor &background = Qt::white) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor &color = Qt::black) override;
    void drawPicture(int x, int y, int width, int height, const QPixmap &picture) override;
    void newPage() override;
    void endJob() override;

    const QList<PageOperation> &operations() const { return m_operations; }
    QList<PageOperation> operations(PageOperation::Kind kind) const;

    // The first text operation drawing exactly this text, or nullptr.
    const PageOperation *findText(const QString &text) const;

    int pageCount() const { return m_page + 1; }
    bool ended() const { return m_ended; }

private:
    PageOperation &record(PageOperation::Kind kind);

    int m_width;
    int m_height;
    int m_screenDpi;
    int m_page = 0;
    bool m_ended = false;
    QFont m_font;
    QList<PageOperation> m_operations;
};
