#include "record/SectionWindows.h"

#include "accounts/PaymentWindow.h"
#include "common/ProgramState.h"
#include "documents/AppointmentWindow.h"
#include "documents/HistoryWindow.h"
#include "documents/LetterWindow.h"
#include "documents/SevenLineWindow.h"
#include "record/DatedLineWindow.h"
#include "record/ExaminationWindow.h"
#include "record/MedicalRecordWindow.h"

void openSectionWindow(Section section, MedicalRecordWindow &record) {
    // Section windows work on the patient of the record header; before a patient is chosen the header
    // only shows sample texts, and no act may be written for them.
    const QString code = record.patientCodeForSections();
    if (code.isEmpty())
        return;
    programState().currentPatientCode = code;
    switch (section) {
    case Section::Examination:
        openExaminationWindow(record);
        break;
    case Section::Prescription:
        openDatedLineWindow(prescriptionKind(), record);
        break;
    case Section::Analyses:
        openDatedLineWindow(analysesKind(), record);
        break;
    case Section::Radiology:
        openDatedLineWindow(radiologyKind(), record);
        break;
    case Section::Payments:
        openPaymentWindow(record);
        break;
    case Section::SickLeave:
        openSevenLineWindow(sickLeaveKind(), record);
        break;
    case Section::Appointments:
        openAppointmentWindow(record);
        break;
    case Section::Certificate:
        openSevenLineWindow(certificateKind(), record);
        break;
    case Section::Letters:
        openLetterWindow(record);
        break;
    case Section::MedicalHistory:
        openHistoryWindow(medicalHistoryKind(), record);
        break;
    case Section::SurgicalHistory:
        openHistoryWindow(surgicalHistoryKind(), record);
        break;
    case Section::FamilyHistory:
        openHistoryWindow(familyHistoryKind(), record);
        break;
    default:
        break;
    }
}
