#include "record/SectionWindows.h"

#include "record/MedicalRecordWindow.h"

void openPatientWindowFor(MedicalRecordWindow &record) { Q_UNUSED(record); }
