#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QPixmap;

// The page operations painted through a QPainter, shared by the pages that paint on paper and on images.
// Each does nothing when the painter is not active.
namespace PainterDrawing {

// Text cells as the printers' own drawing calls place them: the top-left corner is given, the baseline lies
// one ascent below, and the whole cell is filled first.
void text(QPainter &painter, int x, int y, const QString &text, const QColor &color, const QColor &background);

void line(QPainter &painter, int x1, int y1, int x2, int y2, const QColor &color);

// Scaled to exactly width x height pixels; a null picture or an empty size draws nothing.
void picture(QPainter &painter, int x, int y, int width, int height, const QPixmap &picture);

} // namespace PainterDrawing
