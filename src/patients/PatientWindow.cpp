#include "patients/PatientWindow.h"

#include "common/ProgramState.h"
#include "patients/PatientForm.h"
#include "patients/PatientList.h"
#include "patients/PatientRecords.h"
#include "platform/Memory.h"
#include "print/ScreenFonts.h"
#include "record/MedicalRecordWindow.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The dialog font of the desktop the window was drawn for (a sans-serif of 8 points): the captions and
// button texts fit their places in it, where a wider default face would cut them off.
constexpr int DialogFont = 0; // arial 8 of the screen font set

const PatientFormLayout FormLayout{
    .top = 100,
    .ageUnitX = 380,
    .childrenCaptionWidth = 70,
    .categoryCaption = QStringLiteral("Catégorie:"),
    .codeBackground = QColor(244, 241, 183),
    .codeCentred = true,
    .choiceList = QRect(550, 80, 280, 150),
    .choiceBackground = QColor(199, 240, 211),
};

const QList<ListColumn> PatientColumns{
    {QStringLiteral("Code"), 40},       {QStringLiteral("Nom et prénoms du patient"), 200},
    {QStringLiteral("Date nais."), 80}, {QStringLiteral("Age"), 35},
    {QStringLiteral("Sexe"), 40},       {QStringLiteral("Sf"), 25},
    {QStringLiteral("Enf."), 40},       {QStringLiteral("Profession"), 120},
    {QStringLiteral("Adresse"), 150},   {QStringLiteral("N° Téléphone"), 100},
    {QStringLiteral("Maladie"), 100},   {QStringLiteral("N° s.sociale"), 100},
};

} // namespace

PatientWindow::PatientWindow(MedicalRecordWindow &record)
    : FormWindow(QStringLiteral("Table des patients"), &record), m_record(record),
      m_codeAtOpening(programState().currentPatientCode) {
    setObjectName(QStringLiteral("patientWindow"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(screenFont(DialogFont));
    build();
    centre(QSize(900, 500));
    fillPatientList(*m_patients);
    m_form->nameField()->setFocus();
}

void PatientWindow::build() {
    QLabel *corner = Place::pictureLabel(this, {10, 5}, Picture::Patients);
    corner->setObjectName(QStringLiteral("cornerPicture"));
    QLabel *title = Place::label(this, {80, 5, 200, 30}, QStringLiteral("TABLE DES PATIENTS"));
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setFont(screenFont(ScreenFont::Trebuchet11Bold));
    Place::frame(this, {10, 80, 820, 170})->setObjectName(QStringLiteral("formFrame"));

    m_form = new PatientForm(this, FormLayout);

    const auto button = [this](const QRect &place, const QString &caption, const char *name,
                               void (PatientWindow::*action)()) {
        QPushButton *widget = Place::button(this, place, caption);
        widget->setObjectName(QLatin1String(name));
        connect(widget, &QPushButton::clicked, this, action);
    };
    button({10, 260, 120, 30}, QStringLiteral("(#ALT+SUP) Supprimer"), "deleteButton", &PatientWindow::removePatient);
    button({260, 260, 120, 30}, QStringLiteral("(#F7) Rechercher"), "searchButton", &PatientWindow::search);
    button({500, 260, 120, 30}, QStringLiteral("(#F6) Nouveau patient"), "newPatientButton",
           &PatientWindow::newPatient);
    button({710, 260, 120, 30}, QStringLiteral("(#F5) Valider"), "validateButton", &PatientWindow::save);

    m_patients = Place::list(this, {10, 300, 820, 180}, PatientColumns);
    m_patients->setObjectName(QStringLiteral("patientList"));
    m_patients->setColours(Qt::black, QColor(250, 214, 174));
    connect(m_patients, &ReportList::rowChosen, this, &PatientWindow::choosePatient);
}

void PatientWindow::enterPressed(QWidget *focused) {
    if (m_form->enterPressed(focused) == PatientForm::EnterResult::SaveRequested)
        save();
}

void PatientWindow::functionKeyPressed(int number) {
    switch (number) {
    case 5:
        save();
        break;
    case 6:
        newPatient();
        break;
    case 7:
        search();
        break;
    default:
        break;
    }
}

void PatientWindow::save() {
    const std::optional<SavedPatient> saved = m_form->saveTo(*m_patients);
    if (!saved)
        return;
    handOver(saved->fields);
    m_form->clear();
    m_record.loadAllSections();
}

void PatientWindow::search() {
    const std::optional<PatientFields> found = firstPatientMatching(m_form->fields());
    if (!found)
        return;
    programState().currentPatientCode = found->code;
    m_form->fill(*found);
    handOver(*found);
    m_record.loadAllSections();
}

void PatientWindow::handOver(const PatientFields &patient) {
    m_record.showPatient({patient.code, patient.name, patient.ageText(), patient.telephone, patient.category});
    m_handedOver = true;
    closeWindow();
}

void PatientWindow::newPatient() {
    m_form->startNewPatient();
}

void PatientWindow::removePatient() {
    m_form->deleteFrom(*m_patients);
}

void PatientWindow::choosePatient(int row) {
    m_form->showListedPatient(*m_patients, row);
}

void PatientWindow::closeEvent(QCloseEvent *event) {
    // Closed without choosing: the record keeps its patient, and so does the rest of the program.
    if (!m_handedOver)
        programState().currentPatientCode = m_codeAtOpening;
    FormWindow::closeEvent(event);
}

void openPatientWindow(MedicalRecordWindow &record) {
    {
        PatientWindow window(record);
        window.run();
    }
    // The list of every patient is gone with the window: its memory goes back to the system.
    Memory::releaseFreedPages();
}
