#pragma once

#include "patients/PatientFields.h"
#include "store/Tables.h"

#include <optional>

// Saving and deleting patients, the same for every patient form; the form and its list are the
// caller's. A patient is identified by name and birth date: saving a form that matches a stored patient
// updates it, anything else stores a new patient under a new code.

// The first rule the form breaks, in the order the user is told them; empty when it can be saved.
QString patientFormError(const PatientFields &fields);

struct SavedPatient {
    PatientFields fields; // as stored, with the code it was stored under
    bool inserted = false;
};

// Validates (a refusal shows its "Erreur" message), stores the patient, adds the profession to the
// profession list once and makes the patient's code the current patient code. Nothing comes back when
// the form is refused or the patient could not be stored; the form then keeps what was typed.
std::optional<SavedPatient> savePatient(const PatientFields &fields);

enum class DeleteOutcome {
    Refused, // unknown code, or a medical record exists: the user was told why
    Kept,    // the user answered No or Cancel
    Deleted,
};

// Deletes the patient after the user confirms; a patient with an examination is never deleted.
// The code becomes the current patient code.
DeleteOutcome deletePatient(const QString &code);

// Every patient, in name order.
QList<PatientFields> patientsByName();

std::optional<PatientFields> storedPatient(const QString &code);

// The first patient in name order whose name begins with the criteria's name and whose birth date,
// sex, family situation, profession and telephone equal the criteria's; empty criteria match anything.
std::optional<PatientFields> firstPatientMatching(const PatientFields &criteria);

// The professions already used that begin with the typed text, alphabetical.
QStringList professionSuggestions(const QString &typed);
