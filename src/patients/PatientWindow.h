#pragma once

#include "patients/PatientFields.h"
#include "ui/FormWindow.h"

class MedicalRecordWindow;
class PatientForm;
class ReportList;

// How the medical record gets its patient: the list of every patient and a patient form. The user picks
// a patient in the list, searches by a few fields or types a new patient, and validates; the patient then
// becomes the record's patient and this window closes.
class PatientWindow : public FormWindow {
    Q_OBJECT
public:
    explicit PatientWindow(MedicalRecordWindow &record);

    PatientForm &form() const { return *m_form; }
    ReportList *patientList() const { return m_patients; }

    // The window's actions, bound to their keys and buttons.
    void save();
    void search();
    void newPatient();
    void removePatient();
    void choosePatient(int row);

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void deletePressed() override { removePatient(); }
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    // The chosen patient becomes the record's patient, and this window closes.
    void handOver(const PatientFields &patient);

    MedicalRecordWindow &m_record;
    PatientForm *m_form = nullptr;
    ReportList *m_patients = nullptr;
    QString m_codeAtOpening;
    bool m_handedOver = false;
};

// Opens the patient window over the medical record and runs it until it closes.
void openPatientWindow(MedicalRecordWindow &record);
