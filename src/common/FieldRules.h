#pragma once

#include <QDate>
#include <QString>

class QLabel;
class QLineEdit;

// Shared rules for the dates, ages, numbers and patient codes the forms take as free text.

// Leading and trailing spaces removed (spaces only: the fields have always been trimmed that way).
QString trimSpaces(const QString &text);

// The leading integer of a text, read as the program has always read it: blanks and tabs skipped, an
// optional "+" or "-", then decimal digits up to the first other character; no digit there reads 0.
// Of a stored amount this is its number of cents; of "12.75" it is 12. Saturates instead of
// overflowing on absurdly long digit runs.
qint64 integerValue(const QString &text);

// Today's local date as JJ/MM/AAAA.
QString todayText();

// A date typed in a form: day, month and year read from their fixed places (first two characters,
// fourth and fifth, last four), the day must exist in its month, the year from 1900 to this year.
// Short forms such as 5/03/2024 are accepted; the separators are not looked at.
bool checkDate(const QString &text);

// The date of an act: check date, and the date must also have a date number, so every stored act
// sorts and falls into the journals' periods (15-03-2024 passes check date but has no number).
bool checkActDate(const QString &text);

// The same for appointments, which may be booked in a later year as long as the date has a date
// number (up to 19/01/2038).
bool checkAppointmentDate(const QString &text);

// Seconds from 01/01/1970 to the date, counted on the calendar without time zones (days × 86400);
// -1 when the text is not J[J]/M[M]/A..AAAA, is not a real date or lies outside 01/01/1970 to
// 19/01/2038. Surrounding spaces are ignored, as check date ignores them.
qint64 dateNumber(const QString &text);
// The same for a calendar day.
qint64 dateNumber(const QDate &date);
QString dateNumberText(const QString &text);

// The act date number from the act date, both program-wide.
void computeActDateNumber();

struct AgeResult {
    bool valid = false;
    QString age;  // whole years from one year old on, whole months before
    QString unit; // "ans" or "mois"
};

// The age on `today` (JJ/MM/AAAA) of someone born on `birthDate`; not valid when the birth date
// fails check date on that day, is not a calendar day, or comes after today.
AgeResult ageFrom(const QString &birthDate, const QString &today);

// Fills the age field and unit label of a patient form from its birth date, and the program-wide age
// value. A refused birth date is reported, sets the program-wide birth-date error flag and leaves
// the fields as they were.
bool computeAge(QLineEdit *birthDate, QLineEdit *age, QLabel *unit);

// A number field: spaces ignored, an optional leading "-", digits with at most one "," or ".".
bool checkNumber(const QString &text);

// A new patient code (one more than the largest code in use), which also becomes the current patient
// code; empty when the store could not be read (its message has been shown). Nothing is stored: a new
// patient form that is abandoned uses up nothing. The save allocates the code again, inside its write.
QString nextPatientCode();
