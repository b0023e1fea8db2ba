#pragma once

#include "record/Acts.h"
#include "record/DatedLineKinds.h"

#include <QList>
#include <QString>
#include <QStringList>

// The lines of one act of a dated-line form, as stored and shown.
struct DatedLine {
    QString designation;
    QString second;
    bool operator==(const DatedLine &other) const = default;
};

// The dates of the patient's acts, each once, oldest first.
QStringList datedLineDates(const DatedLineKind &kind, const QString &patientCode);

// The lines of the act of that date in the order they were entered: as shown at opening and after
// each change, and as shown when the date is chosen in the chooser.
QList<DatedLine> actLines(const DatedLineKind &kind, const QString &patientCode, const QString &date);
QList<DatedLine> chosenDateLines(const DatedLineKind &kind, const QString &patientCode, const QString &date);

// The entries of the field's reference list that begin with the typed text (case counts), each once,
// in alphabetical order.
QStringList referenceSuggestions(const ReferenceList &list, const QString &typed);

// Saves a line of the act of that date: a designation the act already holds gets the new second
// text, a new one is added after the act's last line. Both texts then join their reference lists.
// A wrong date or a missing text is reported to the user and nothing is written.
SaveOutcome saveDatedLine(const DatedLineKind &kind, const QString &patientCode, const QString &date,
                          const DatedLine &line);

// Deletes the act's line of that designation, if there is one.
bool deleteDatedLine(const DatedLineKind &kind, const QString &patientCode, const QString &date,
                     const QString &designation);
