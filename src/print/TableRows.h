#pragma once

#include <QColor>
#include <QString>
#include <functional>

class Page;

// Rows may go down to this many device pixels above the bottom of the printable area.
constexpr int PageBottomMargin = 200;

// Before the next row of a long table: when y has reached the bottom margin, closes the frame on
// this page (closeFrame gets y), starts a new page and draws the header again, whose returned
// position becomes y. True when a new page was started.
bool startNewPageWhenFull(Page &page, int &y, const std::function<void(int y)> &closeFrame,
                          const std::function<int()> &drawHeader);

// Amounts are right-aligned one character at a time so that every digit takes the same step: the
// last character print-x(0.18) left of the column's end, each earlier one print-x(0.16) further left.
void drawRightAligned(Page &page, int columnEnd, int y, const QString &text, const QColor &color = Qt::black,
                      const QColor &background = Qt::white);
