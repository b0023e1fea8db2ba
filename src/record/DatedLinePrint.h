#pragma once

#include "record/DatedLines.h"

#include <QList>
#include <QString>

class Page;
class PrinterFonts;

// What a printed act of dated lines shows: the prescription sheet, and the written requests for
// analyses or radiology on the same sheet under their own title.
struct DatedLineDocument {
    QString date;
    QString patientName;
    QString patientAge; // age and unit
    QString bandTitle;  // "P  R  E  S  C  R  I  P  T  I  O  N", ...
    QList<DatedLine> lines;
};

// One line as printed: the designation, then four spaces and the second text when there is one.
QString printedLineText(const DatedLine &line);

// Draws the sheet: letterhead, date, patient box, the band of column titles, the numbered lines and
// the frame. A line too wide for the frame wraps inside it; lines that do not fit above the frame's
// bottom continue on a new sheet with the header repeated, so nothing prints outside a frame.
void drawDatedLineDocument(Page &page, const PrinterFonts &fonts, const DatedLineDocument &document);

// The whole print action: nothing to print is reported and asks no printer; otherwise the print
// dialog and one job. True when a job was printed.
bool printDatedLineDocument(const DatedLineDocument &document);
