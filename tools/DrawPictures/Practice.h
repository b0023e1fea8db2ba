#pragma once

#include <QString>

// The practice printed on the letterheads: a fictitious general practitioner.
namespace Practice {
inline const QString Doctor = QStringLiteral("Docteur Claire LAMBERT");
inline const QString Speciality = QStringLiteral("Médecine générale");
inline const QString Address = QStringLiteral("14, rue des Tilleuls  ·  69003 Lyon");
inline const QString Telephone = QStringLiteral("Tél. : 04 65 71 12 34");
inline const QString Hours = QStringLiteral("Consultations sur rendez-vous");
} // namespace Practice
