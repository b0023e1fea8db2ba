#pragma once

#include "ui/FormWindow.h"

#include <array>

class PatientForm;
class QTabWidget;
class ReferenceListPage;
class ReportList;

// Where the practice keeps its master data: a second patient form with the list of every patient, and
// the medicines, diseases and prescriptions lists. It opens on the page the main menu asked for; the
// page " FERMER" or the close box closes it, Escape does not.
class TablesWindow : public FormWindow {
    Q_OBJECT
public:
    enum Page { Patients = 0, Medicines = 1, Diseases = 2, Prescriptions = 3, Close = 4 };

    TablesWindow();

    QTabWidget *pages() const { return m_pages; }
    PatientForm &form() const { return *m_form; }
    ReportList *patientList() const { return m_patients; }
    ReferenceListPage *referencePage(int page) const;

    // The patient page's actions, bound to their keys and buttons.
    void savePatient();
    void newPatient();
    void removePatient();
    void choosePatient(int row);

protected:
    void enterPressed(QWidget *focused) override;
    void functionKeyPressed(int number) override;
    void deletePressed() override;

private:
    QWidget *buildPatientPage();
    void pageChosen(int page);
    void focusFirstField();
    void colourNameCell(int row);

    QTabWidget *m_pages = nullptr;
    PatientForm *m_form = nullptr;
    ReportList *m_patients = nullptr;
    std::array<ReferenceListPage *, 3> m_referencePages{};
};

// Opens the tables window on the program-wide page and runs it until it closes.
void openTablesWindow();
