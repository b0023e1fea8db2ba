#include "record/DatedLinePrint.h"

#include "print/Letterheads.h"
#include "print/Page.h"
#include "print/PrintFlow.h"
#include "print/PrinterFonts.h"
#include "print/Units.h"

QString printedLineText(const DatedLine &line) {
    if (line.second.isEmpty())
        return line.designation;
    return line.designation + QStringLiteral("    ") + line.second;
}

void drawDatedLineDocument(Page &page, const PrinterFonts &fonts, const DatedLineDocument &document) {
    const Units u(page);
    const QFont &regular = fonts.font(PrinterFont::Arial030);
    const QFont &bold = fonts.font(PrinterFont::Verdana030Bold);
    const int left = u.x(2);
    const int separator = u.x(3.5);
    const int right = u.x(18);

    drawLetterhead(page, Letterhead::Prescription);
    page.setFont(regular);
    page.drawText(u.x(14.6), u.y(2.12), document.date);

    // The patient box.
    int y = u.y(4) + u.y(3);
    const int boxBottom = y + u.y(1.4);
    page.drawLine(left, y, right, y);
    page.drawLine(left, boxBottom, right, boxBottom);
    page.drawLine(left, y, left, boxBottom);
    page.drawLine(right, y, right, boxBottom);
    page.setFont(bold);
    page.drawText(left + u.x(0.5), y + u.y(0.4), QStringLiteral("NOM ET PRENOMS:  M.  "));
    page.setFont(regular);
    page.drawText(left + u.x(5), y + u.y(0.4), document.patientName);
    page.setFont(bold);
    page.drawText(left + u.x(13), y + u.y(0.4), QStringLiteral("Age: "));
    page.setFont(regular);
    page.drawText(left + u.x(14), y + u.y(0.4), document.patientAge);

    // The band of column titles.
    y += u.y(1.5);
    const int bandTop = y + u.y(0.03);
    const int bandBottom = bandTop + u.y(1);
    y = bandTop + u.y(0.3);
    page.setFont(bold);
    page.drawText(left + u.x(0.4), y, QStringLiteral("N°"));
    page.drawText(separator + u.x(4.4), y, document.bandTitle);
    y += u.y(1.5);

    page.setFont(regular);
    for (int i = 0; i < document.lines.size(); ++i) {
        page.drawText(left + u.x(0.4), y, QString::number(i + 1));
        page.drawText(separator + u.x(0.2), y, printedLineText(document.lines[i]));
        y += u.y(0.7);
    }

    // The frame stays the same whatever the number of lines.
    const int frameBottom = u.y(20);
    page.drawLine(left, bandTop, right, bandTop);
    page.drawLine(left, bandBottom, right, bandBottom);
    for (int x : {left, separator, right})
        page.drawLine(x, bandTop, x, frameBottom);
    page.drawLine(left, frameBottom, right, frameBottom);
}

bool printDatedLineDocument(const DatedLineDocument &document) {
    return printDocument(int(document.lines.size()), [&document](Page &page, const PrinterFonts &fonts) {
        drawDatedLineDocument(page, fonts, document);
    });
}
