#include "print/RecordingPage.h"

RecordingPage::RecordingPage(int width, int height, int screenDpi)
    : m_width(width), m_height(height), m_screenDpi(screenDpi) {}

PageOperation &RecordingPage::record(PageOperation::Kind kind) {
    PageOperation operation;
    operation.kind = kind;
    operation.page = m_page;
    m_operations.append(operation);
    return m_operations.last();
}

void RecordingPage::drawText(int x, int y, const QString &text, const QColor &color, const QColor &background) {
    PageOperation &operation = record(PageOperation::Kind::Text);
    operation.x = x;
    operation.y = y;
    operation.text = text;
    operation.font = m_font;
    operation.color = color;
    operation.background = background;
}

void RecordingPage::drawLine(int x1, int y1, int x2, int y2, const QColor &color) {
    PageOperation &operation = record(PageOperation::Kind::Line);
    operation.x = x1;
    operation.y = y1;
    operation.x2 = x2;
    operation.y2 = y2;
    operation.color = color;
}

void RecordingPage::drawPicture(int x, int y, int width, int height, const QPixmap &picture) {
    PageOperation &operation = record(PageOperation::Kind::Picture);
    operation.x = x;
    operation.y = y;
    operation.width = width;
    operation.height = height;
    operation.pictureSize = picture.size();
}

void RecordingPage::newPage() {
    ++m_page;
    record(PageOperation::Kind::NewPage);
}

void RecordingPage::endJob() {
    m_ended = true;
    record(PageOperation::Kind::EndJob);
}

QList<PageOperation> RecordingPage::operations(PageOperation::Kind kind) const {
    QList<PageOperation> found;
    for (const PageOperation &operation : m_operations)
        if (operation.kind == kind)
            found.append(operation);
    return found;
}

const PageOperation *RecordingPage::findText(const QString &text) const {
    for (const PageOperation &operation : m_operations)
        if (operation.kind == PageOperation::Kind::Text && operation.text == text)
            return &operation;
    return nullptr;
}
