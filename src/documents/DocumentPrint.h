#pragma once

#include "print/Letterheads.h"

#include <QString>
#include <QStringList>
#include <optional>

class Page;
class PrinterFonts;

// A single document printed on its letterhead (certificate, sick leave, letter, appointment card):
// the date at the right of the letterhead, a rule under it, the recipient when the document has one,
// and the text lines one under the other.
struct SingleDocument {
    Letterhead letterhead;
    double dateY; // vertical units
    QString date;
    std::optional<QString> recipient; // a letter's recipient, printed after "DESTINATAIRE : "
    QStringList lines;
};

// Where the parts stand, in units.
namespace SingleDocumentLayout {
constexpr double DateX = 14.6;
constexpr double RuleY = 6.0;
constexpr double Left = 2.0;
constexpr double Right = 18.0;
constexpr double TextX = 3.5;
constexpr double RecipientY = 7.0;
constexpr double FirstLineY = 8.0; // without a recipient
constexpr double FirstLineUnderRecipient = 9.0;
constexpr double LineStep = 0.7;
} // namespace SingleDocumentLayout

inline const QString RecipientCaption = QStringLiteral("DESTINATAIRE : ");

// Draws the document. Line k stands at y = first line + k x 0.7 units. Lines never run past the
// rule's right end; should they run past the foot of the sheet, they go on on a new sheet under the
// same letterhead, date and rule.
void drawSingleDocument(Page &page, const PrinterFonts &fonts, const SingleDocument &document);

// The whole print action: a document without lines shows "Il n'y a rien à imprimer ! " and asks no
// printer; otherwise the print dialog and one job. True when a job was printed.
bool printSingleDocument(const SingleDocument &document);
