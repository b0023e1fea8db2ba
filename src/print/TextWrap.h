#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The width of a text drawn in a printer font, in device pixels (printer fonts are sized in pixels).
int printedWidth(const QFont &font, const QString &text);

// Cuts a text into pieces that each fit `width` pixels: at spaces where it can, inside a word only
// when the word alone is wider than the line. The first piece may be given more room than the next
// ones (continuations are indented). No character is lost but the spaces a line was cut at.
QStringList wrapToWidth(const QString &text, const QFont &font, int firstWidth, int nextWidth);
