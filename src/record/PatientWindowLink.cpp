#include "record/SectionWindows.h"

#include "patients/PatientWindow.h"
#include "record/MedicalRecordWindow.h"

void openPatientWindowFor(MedicalRecordWindow &record) {
    openPatientWindow(record);
}
