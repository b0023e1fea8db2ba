#pragma once

#include "patients/PatientFields.h"
#include "ui/ReportList.h"

// A window's list of patients, one row per patient (PatientFields::listRow). It is filled once when the
// window opens and then kept in step, row by row, by the saves and deletes of that window.

// Fills the list with every stored patient, in name order, read straight into compact rows (the list of
// a large practice opens at once and keeps little memory).
void fillPatientList(ReportList &list);

// Shows a saved patient: the first row holding its code gets the new values (the code cell stays),
// or a row is added at the end when the list has none.
void putPatientRow(ReportList &list, const PatientFields &patient);

// Removes the first row holding the code, if any.
void removePatientRow(ReportList &list, const QString &code);

// The index of the first row holding the code, or -1.
int patientRowOf(const ReportList &list, const QString &code);
