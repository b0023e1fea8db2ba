#pragma once

#include "store/Connection.h"

#include <QString>
#include <QStringList>

// What the dated acts of the record (examinations, prescriptions, analyses, radiology) share.

inline const QString WrongActDateMessage =
    QStringLiteral("La date est incorrecte! (doit être sous la forme JJ/MM/AAAA)");

// How a save ended: written, refused with a message to the user, or refused by the store (which has
// already shown the engine's error).
enum class SaveOutcome { Saved, Refused, StoreFailed };

// Makes `date` the act date and computes its date number; a date the rule refuses (by default: not
// a valid act date) is reported to the user and false is returned.
using DateRule = bool (*)(const QString &date);
bool takeActDate(const QString &date, DateRule rule = nullptr);

// The dates of a patient's acts for a date chooser: each date once, in the order the query gives
// them (by date number). The query takes the patient code as its one value; dateEx is column 1.
// A query grouping by dateEx, ordered by each date's smallest date number, gives the same dates from
// the (patient, date) index without reading every line.
QStringList actDates(Connection &connection, const QString &sql, const QString &patientCode);
