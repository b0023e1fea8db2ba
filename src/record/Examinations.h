#pragma once

#include "record/Acts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The doctor's report of one consultation: four lines per patient and date, in table fexamen.
using ExaminationLines = std::array<QString, 4>;

inline const QString NoDiagnosisLineMessage = QStringLiteral("Vous devez saisir au moins une ligne de diagnostic !");

// The dates of the patient's examinations, each once, oldest first.
QStringList examinationDates(const QString &patientCode);

// The four stored lines of the examination of that date, each in its own position.
std::optional<ExaminationLines> examinationOf(const QString &patientCode, const QString &date);

// The lines the report list shows: the non-empty ones, in line order.
QStringList shownExaminationLines(const ExaminationLines &lines);

// Saves the examination of that date: its lines replace those already stored for the date. A wrong
// date or four empty lines are reported to the user and nothing is written.
SaveOutcome saveExamination(const QString &patientCode, const QString &date, const ExaminationLines &lines);

// Deletes the examination of that date, if there is one.
bool deleteExamination(const QString &patientCode, const QString &date);
