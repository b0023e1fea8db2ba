#pragma once

#include "documents/DatedDocuments.h"
#include "print/Letterheads.h"
#include "record/Acts.h"
#include "record/Sections.h"

#include <QStringList>

// A document of seven text lines, one per patient and date: the medical certificate and the sick
// leave. Everything that tells the two apart.
struct SevenLineKind {
    Section section; // the record list refreshed after each show, save and delete
    const char *objectName;
    const char *windowTitle;
    const char *heading; // before the date label
    const char *deleteCaption;
    int deleteWidth;
    int textColumnWidth; // the line list's "T E X T E" column
    DatedTable table;    // txt1 to txt7 after datenum
    Letterhead letterhead;
    double printedDateY; // vertical units
};

const SevenLineKind &certificateKind();
const SevenLineKind &sickLeaveKind();

constexpr int DocumentLineCount = 7;
constexpr int TypedLineCount = 6; // line 7 has no field: it is written back as it was loaded

inline const QString WrongTextsMessage = QStringLiteral("Textes incorrects !");

// Exactly seven lines: the first seven given, then empty ones.
QStringList asSevenLines(const QStringList &lines);

// The seven lines of each stored row, one after the other.
QStringList sevenLinesOf(const Rows &rows);

// Saves the document of that date in place of the stored one. `lines` holds the seven lines. A wrong
// date or seven empty lines are reported to the user and nothing is written.
SaveOutcome saveSevenLineDocument(const SevenLineKind &kind, const QString &patientCode, const QString &date,
                                  const QStringList &lines);
