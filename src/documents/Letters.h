#pragma once

#include "documents/DatedDocuments.h"
#include "record/Acts.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// Letters of recommendation or orientation to another practitioner: one per patient and date, with a
// recipient, a subject and seven text lines, in table fLR.
const DatedTable &letterTable();

struct Letter {
    QString recipient;
    QString subject;
    QStringList lines; // seven
};

// The letter of a stored row.
Letter letterOf(const Row &row);

inline const QString MissingRecipientMessage = QStringLiteral("Indiquez le destinataire !");
inline const QString WrongSubjectMessage = QStringLiteral("Objet incorrect !");

// The letters window's list: per letter its shown text lines (date, recipient, subject, line), a
// separator row between letters of different dates and one closing the list.
struct LetterListRows {
    QList<QStringList> rows;
    QList<int> separators; // the rows to grey
};

LetterListRows letterListRows(const Rows &stored);

// Colour of the separator rows.
inline const QColor LetterSeparator{245, 245, 245};

// Saves the letter of that date in place of the stored one. The date, the recipient, the subject and
// the lines are checked in that order; the first fault is reported and nothing is written.
SaveOutcome saveLetter(const QString &patientCode, const QString &date, const Letter &letter);
