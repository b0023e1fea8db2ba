#include "record/DatedLinePrint.h"

#include "print/Letterheads.h"
#include "print/Page.h"
#include "print/PrintFlow.h"
#include "print/PrinterFonts.h"
#include "print/TextWrap.h"
#include "print/Units.h"

QString printedLineText(const DatedLine &line) {
    if (line.second.isEmpty())
        return line.designation;
    return line.designation + QStringLiteral("    ") + line.second;
}

namespace {

// The places shared by every sheet of the document.
struct SheetLayout {
    explicit SheetLayout(const Units &u)
        : left(u.x(2)), separator(u.x(3.5)), right(u.x(18)), frameBottom(u.y(20)), numberX(left + u.x(0.4)),
          textX(separator + u.x(0.2)), continuationIndent(u.x(0.5)), lineAdvance(u.y(0.7)), lineHeight(u.y(0.5)) {}
    int left, separator, right, frameBottom;
    int numberX, textX, continuationIndent;
    int lineAdvance, lineHeight; // a line fits while its text ends above the frame's bottom
};

// Letterhead, date, patient box and the band of column titles; returns where the first line goes
// and sets the band's top.
int drawSheetHeader(Page &page, const PrinterFonts &fonts, const DatedLineDocument &document, const Units &u,
                    const SheetLayout &sheet, int &bandTop) {
    const QFont &regular = fonts.font(PrinterFont::Arial030);
    const QFont &bold = fonts.font(PrinterFont::Verdana030Bold);
    drawLetterhead(page, Letterhead::Prescription);
    page.setFont(regular);
    page.drawText(u.x(14.6), u.y(2.12), document.date);

    // The patient box.
    int y = u.y(4) + u.y(3);
    const int boxBottom = y + u.y(1.4);
    page.drawLine(sheet.left, y, sheet.right, y);
    page.drawLine(sheet.left, boxBottom, sheet.right, boxBottom);
    page.drawLine(sheet.left, y, sheet.left, boxBottom);
    page.drawLine(sheet.right, y, sheet.right, boxBottom);
    page.setFont(bold);
    page.drawText(sheet.left + u.x(0.5), y + u.y(0.4), QStringLiteral("NOM ET PRENOMS:  M.  "));
    page.setFont(regular);
    page.drawText(sheet.left + u.x(5), y + u.y(0.4), document.patientName);
    page.setFont(bold);
    page.drawText(sheet.left + u.x(13), y + u.y(0.4), QStringLiteral("Age: "));
    page.setFont(regular);
    page.drawText(sheet.left + u.x(14), y + u.y(0.4), document.patientAge);

    // The band of column titles.
    y += u.y(1.5);
    bandTop = y + u.y(0.03);
    y = bandTop + u.y(0.3);
    page.setFont(bold);
    page.drawText(sheet.numberX, y, QStringLiteral("N°"));
    page.drawText(sheet.separator + u.x(4.4), y, document.bandTitle);
    page.setFont(regular);
    return y + u.y(1.5);
}

// The band, the borders and the column separator, down to the frame's bottom.
void drawFrame(Page &page, const Units &u, const SheetLayout &sheet, int bandTop) {
    const int bandBottom = bandTop + u.y(1);
    page.drawLine(sheet.left, bandTop, sheet.right, bandTop);
    page.drawLine(sheet.left, bandBottom, sheet.right, bandBottom);
    for (int x : {sheet.left, sheet.separator, sheet.right})
        page.drawLine(x, bandTop, x, sheet.frameBottom);
    page.drawLine(sheet.left, sheet.frameBottom, sheet.right, sheet.frameBottom);
}

} // namespace

void drawDatedLineDocument(Page &page, const PrinterFonts &fonts, const DatedLineDocument &document) {
    const Units u(page);
    const SheetLayout sheet(u);
    const QFont &regular = fonts.font(PrinterFont::Arial030);
    // A line keeps clear of the right border by the same gap it keeps from the separator.
    const int textWidth = sheet.right - u.x(0.2) - sheet.textX;

    int bandTop = 0;
    int y = drawSheetHeader(page, fonts, document, u, sheet, bandTop);
    for (int i = 0; i < document.lines.size(); ++i) {
        const QStringList pieces =
            wrapToWidth(printedLineText(document.lines[i]), regular, textWidth, textWidth - sheet.continuationIndent);
        for (int piece = 0; piece < pieces.size(); ++piece) {
            // A line that would cross the frame's bottom goes to a new sheet with the header repeated.
            if (y + sheet.lineHeight > sheet.frameBottom) {
                drawFrame(page, u, sheet, bandTop);
                page.newPage();
                y = drawSheetHeader(page, fonts, document, u, sheet, bandTop);
            }
            if (piece == 0)
                page.drawText(sheet.numberX, y, QString::number(i + 1));
            page.drawText(sheet.textX + (piece == 0 ? 0 : sheet.continuationIndent), y, pieces[piece]);
            y += sheet.lineAdvance;
        }
    }
    drawFrame(page, u, sheet, bandTop);
}

bool printDatedLineDocument(const DatedLineDocument &document) {
    return printDocument(int(document.lines.size()), [&document](Page &page, const PrinterFonts &fonts) {
        drawDatedLineDocument(page, fonts, document);
    });
}
