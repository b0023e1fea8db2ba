// The sample letterheads of the printed documents and the plain page picture.
//
// The program draws its letterheads at print time from the practice's details; the sample pictures are drawn by
// the very same renderer from the same table of letterheads, with the sample practice, so the two never differ.

#include "Canvas.h"
#include "Catalogue.h"
#include "Emblem.h"

#include "print/ImagePage.h"
#include "print/LetterheadRenderer.h"
#include "print/Letterheads.h"
#include "print/PracticeDetails.h"
#include "print/Units.h"

using namespace Canvas;

namespace {

// A letterhead drawn on a page just wide enough for its box to be the picture's width, then stretched to the
// picture's exact size as the program used to stretch its pictures into the box.
QImage sampleLetterhead(const LetterheadDescriptor &letterhead) {
    const QSize size(letterhead.pictureWidth, letterhead.pictureHeight);
    const int pageWidth = roundHalfEven(size.width() * 21.0 / letterhead.width);
    const Units units(pageWidth);
    ImagePage page(pageWidth, units.y(29.7), QSize(units.x(letterhead.width), units.y(letterhead.height)),
                   {units.x(LetterheadX), units.y(LetterheadY)});
    drawPracticeLetterhead(page, letterhead, samplePracticeDetails(), LetterheadX, LetterheadY);
    return page.finish().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A plain page with the practice's emblem as a faint watermark.
QImage plainPage() {
    const QSize size(703, 845);
    Drawing drawing(size, Qt::white);
    QPainter &painter = drawing.painter;
    painter.setPen(QPen(QColor(0xd5, 0xdb, 0xe1), 1));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    painter.setOpacity(0.06);
    Emblem::draw(painter, QPointF(size.width() / 2.0, 390), 340, Emblem::Style::Print);
    const QFont name = font("Carlito", 40, true);
    const QString doctor = samplePracticeDetails().doctor;
    fillText(painter, QPointF((size.width() - textWidth(name, doctor)) / 2, 640), name, doctor, Palette::Navy.base);
    return drawing.finish();
}

} // namespace

QList<Picture> letterheadPictures() {
    QList<Picture> pictures;
    for (const LetterheadDescriptor &letterhead : letterheadDescriptors())
        pictures.append({letterhead.picture, sampleLetterhead(letterhead)});
    pictures.append({34, plainPage()});
    return pictures;
}
