#pragma once

#include "record/Sections.h"
#include "ui/FormWindow.h"

#include <array>

class QLabel;
class ReportList;

// What the record header shows of the current patient.
struct PatientHeader {
    QString code;
    QString name;
    QString age; // age and unit joined by one space
    QString telephone;
    QString disease; // the patient's category
};

// The doctor's desk for one patient: a header naming the current patient and twelve read-only section
// lists, each with a button that opens the window where that section is edited. It never writes.
class MedicalRecordWindow : public FormWindow {
    Q_OBJECT
public:
    MedicalRecordWindow();

    // Makes a patient current: the header shows it. The lists are loaded by loadAllSections().
    void showPatient(const PatientHeader &patient);
    PatientHeader header() const;

    // True once a patient has been made current; before that the header shows sample texts only.
    bool hasPatient() const { return m_hasPatient; }

    // The code a section window works on: the header's code, or empty while no patient was chosen.
    QString patientCodeForSections() const;

    // Refills one section list (or all twelve, in order) for the current patient code.
    void loadSection(Section section);
    void loadAllSections();

    ReportList *sectionList(Section section) const { return m_lists[static_cast<int>(section)]; }

    // The buttons' actions, also bound to the icon bar.
    void selectPatient();
    void openSection(Section section);

protected:
    void escapePressed() override { closeWindow(); }

private:
    void buildHeader(int width);
    void buildSections(int columnWidth);
    void buildIconBar();

    QLabel *m_code = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_age = nullptr;
    QLabel *m_telephone = nullptr;
    QLabel *m_disease = nullptr;
    std::array<ReportList *, SectionCount> m_lists{};
    bool m_hasPatient = false;
};

// Opens the medical record window and runs it until it closes; today's date is set for the section windows.
void openMedicalRecordWindow();
