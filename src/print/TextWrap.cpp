#include "print/TextWrap.h"

#include <QFontMetricsF>
#include <cmath>

int printedWidth(const QFont &font, const QString &text) {
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

namespace {

// The longest start of `text` that fits: up to its last space that fits, else as many characters
// as fit (at least one, so the cutting always moves on).
qsizetype fittingLength(const QString &text, const QFont &font, int width) {
    // The width grows with the length, so the longest fitting start is found by halving.
    qsizetype fits = 0;
    qsizetype tooLong = text.size() + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (printedWidth(font, text.left(middle)) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits == text.size())
        return fits;
    const qsizetype space = text.left(fits + 1).lastIndexOf(u' ');
    if (space > 0)
        return space;
    return std::max<qsizetype>(fits, 1);
}

} // namespace

QStringList wrapToWidth(const QString &text, const QFont &font, int firstWidth, int nextWidth) {
    QStringList pieces;
    QString rest = text;
    while (!rest.isEmpty()) {
        const int width = pieces.isEmpty() ? firstWidth : nextWidth;
        if (printedWidth(font, rest) <= width) {
            pieces << rest;
            break;
        }
        const qsizetype length = fittingLength(rest, font, width);
        pieces << rest.left(length);
        rest = rest.mid(length);
        // The space the line was cut at starts no line.
        while (rest.startsWith(u' '))
            rest.remove(0, 1);
    }
    if (pieces.isEmpty())
        pieces << QString();
    return pieces;
}
