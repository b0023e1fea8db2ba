#pragma once

#include "record/Sections.h"

class MedicalRecordWindow;

// The windows the medical record opens: the patient window, and the window that edits each section.
// Each one runs until it closes and refreshes the record's lists itself.
void openPatientWindowFor(MedicalRecordWindow &record);
void openSectionWindow(Section section, MedicalRecordWindow &record);
