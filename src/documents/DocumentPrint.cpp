#include "documents/DocumentPrint.h"

#include "print/Page.h"
#include "print/PrintFlow.h"
#include "print/PrinterFonts.h"
#include "print/TableRows.h"
#include "print/TextWrap.h"
#include "print/Units.h"

namespace Layout = SingleDocumentLayout;

void drawSingleDocument(Page &page, const PrinterFonts &fonts, const SingleDocument &document) {
    const Units u(page);
    const QFont &body = fonts.font(PrinterFont::Arial030);
    const auto drawHeader = [&] {
        drawLetterhead(page, document.letterhead);
        page.setFont(body);
        page.drawText(u.x(Layout::DateX), u.y(document.dateY), document.date);
        page.drawLine(u.x(Layout::Left), u.y(Layout::RuleY), u.x(Layout::Right), u.y(Layout::RuleY));
    };

    drawHeader();
    double top = Layout::FirstLineY;
    if (document.recipient) {
        page.drawText(u.x(Layout::TextX), u.y(Layout::RecipientY), RecipientCaption + *document.recipient);
        top = Layout::FirstLineUnderRecipient;
    }
    // Positions are counted in units from the top of the sheet's text, so every line stands where
    // its own position rounds to.
    int onSheet = 0;
    const int width = u.x(Layout::Right) - u.x(Layout::TextX);
    for (const QString &line : document.lines) {
        for (const QString &piece : wrapToWidth(line, body, width, width)) {
            if (onSheet > 0 && u.y(top + onSheet * Layout::LineStep) >= page.height() - PageBottomMargin) {
                page.newPage();
                drawHeader();
                top = Layout::FirstLineY;
                onSheet = 0;
            }
            page.drawText(u.x(Layout::TextX), u.y(top + onSheet * Layout::LineStep), piece);
            ++onSheet;
        }
    }
}

bool printSingleDocument(const SingleDocument &document) {
    return printDocument(int(document.lines.size()), [&document](Page &page, const PrinterFonts &fonts) {
        drawSingleDocument(page, fonts, document);
    });
}
