#pragma once

#include "store/Connection.h"
#include "store/Tables.h"

#include <QString>
#include <QStringList>
#include <optional>

// A per-patient table that keeps at most one document per date (certificates, sick leave, letters,
// appointments, history entries). Each statement keeps its text shape with `?` for the values.
struct DatedTable {
    Db db;
    const char *listing; // patient: every document, oldest first by date number
    const char *select;  // patient, date
    const char *remove;  // patient, date
    const char *insert;  // patient, date, date number, then the document's own columns
};

// Every stored document of the patient, in the listing's order.
Rows patientDocuments(const DatedTable &table, const QString &patientCode);

// The dates of the patient's documents, each once, oldest first.
QStringList documentDates(const DatedTable &table, const QString &patientCode);

// The stored rows of the patient's document of that date (one, unless the table was written by
// something else than this program).
Rows documentRows(const DatedTable &table, const QString &patientCode, const QString &date);

// The first stored document of that date.
std::optional<Row> documentOf(const DatedTable &table, const QString &patientCode, const QString &date);

// Writes the document of that date in place of the stored one, in one transaction: when the new
// document cannot be written, the old one stays. `values` are the document's own columns.
bool replaceDocument(const DatedTable &table, const QString &patientCode, const QString &date,
                     const QString &dateNumber, const QStringList &values);

// How a delete ended: the date held no document, the document was removed, or the store refused
// (and has shown the engine's error).
enum class Removal { NothingStored, Removed, StoreFailed };

// Removes the document of that date, if there is one.
Removal deleteDocument(const DatedTable &table, const QString &patientCode, const QString &date);

// True when one of the texts holds a character; spaces count.
bool anyFilled(const QStringList &texts);
