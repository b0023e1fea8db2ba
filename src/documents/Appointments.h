#pragma once

#include "documents/DatedDocuments.h"
#include "record/Acts.h"

#include <QList>
#include <QString>
#include <QStringList>

// The patient's appointments: one per date, with an hour, a reason and the doctor's observations,
// in table fRv.
const DatedTable &appointmentTable();

struct Appointment {
    QString hour;
    QString reason;
    QString observations;
};

Appointment appointmentOf(const Row &row);

inline const QString MissingReasonMessage = QStringLiteral("Indiquez le motif du rendez-vous !");

// The list's rows: date, hour, reason, observations, oldest first.
QList<QStringList> appointmentListRows(const Rows &stored);

// Books the appointment of that date, or changes the one already booked (which keeps its date
// number). The date may lie in a later year, as long as it has a date number. A wrong date or an
// empty reason is reported to the user and nothing is written.
SaveOutcome saveAppointment(const QString &patientCode, const QString &date, const Appointment &appointment);

// The lines of the card handed to the patient.
QStringList appointmentCardLines(const QString &patientName, const QString &date, const Appointment &appointment);
