#pragma once

#include "journals/JournalKinds.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class Page;
class PrinterFonts;

// The colour of every rule of a printed journal.
inline const QColor JournalRuleColour{87, 192, 239};

// What a printed journal shows: the period and patient name of its header, and its rows cell by cell.
struct JournalDocument {
    QString periodStart;
    QString periodEnd;
    QString patientName;
    QList<QStringList> rows;
};

// Draws the journal as a framed table under the journals' letterhead, on as many pages as it needs:
// each page repeats the header and closes its frame where it broke.
void drawJournal(Page &page, const PrinterFonts &fonts, const JournalPrintLayout &layout,
                 const JournalDocument &document);

// The whole print action: an empty journal is reported and asks no printer. True when a job was printed.
bool printJournal(const JournalPrintLayout &layout, const JournalDocument &document);
