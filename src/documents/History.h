#pragma once

#include "documents/DatedDocuments.h"
#include "record/Acts.h"
#include "record/Sections.h"

#include <QList>
#include <QString>
#include <QStringList>

// One kind of history (medical, surgical, family): dated entries of one line, one per patient and
// date, each kind in its own table. Everything that tells the three apart.
struct HistoryKind {
    Section section; // the record list refreshed after each change
    const char *objectName;
    const char *title; // window title and heading
    DatedTable table;  // texte after datenum
};

const HistoryKind &medicalHistoryKind();
const HistoryKind &surgicalHistoryKind();
const HistoryKind &familyHistoryKind();

inline const QString WrongTextMessage = QStringLiteral("Texte incorrect !");

// The list's rows: date, text, oldest first.
QList<QStringList> historyListRows(const HistoryKind &kind, const Rows &stored);

// The text of a stored entry.
QString historyTextOf(const Row &row);

// Saves the entry of that date in place of the stored one. A wrong date or an empty text is reported
// to the user and nothing is written.
SaveOutcome saveHistoryEntry(const HistoryKind &kind, const QString &patientCode, const QString &date,
                             const QString &text);
