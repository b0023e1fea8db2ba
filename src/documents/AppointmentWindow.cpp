#include "documents/AppointmentWindow.h"

#include "common/FieldRules.h"
#include "common/ProgramState.h"
#include "documents/Appointments.h"
#include "documents/CalendarDateField.h"
#include "documents/DocumentPrint.h"
#include "platform/Clock.h"
#include "print/ScreenFonts.h"
#include "record/MedicalRecordWindow.h"
#include "ui/ReportList.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QColor ListBackground{234, 174, 87};
const QColor ListText{90, 14, 66};

// The card's date stands where the letter's does, level with "DATE :" on its letterhead.
constexpr double CardDateY = 1.4;

} // namespace

AppointmentWindow::AppointmentWindow(MedicalRecordWindow &record)
    : DocumentWindow(QStringLiteral("RENDEZ-VOUS"), "appointmentWindow", Section::Appointments, record, {700, 500}) {
    Place::frame(this, {10, 10, 550, 110});
    QLabel *heading = Place::label(this, {220, 23, 200, 20}, QStringLiteral("RENDEZ-VOUS"));
    heading->setFont(screenFont(ScreenFont::Trebuchet11Bold));
    heading->setObjectName(QStringLiteral("heading"));

    Place::label(this, {20, 53, 60, 20}, QStringLiteral("DATE RV:"));
    const QDate today = QDate::fromString(programState().today, QStringLiteral("dd/MM/yyyy"));
    m_date = new CalendarDateField(this, today.isValid() ? today : Clock::today());
    m_date->setGeometry(80, 53, 80, 20);
    m_date->setObjectName(QStringLiteral("dateField"));
    Place::label(this, {180, 53, 100, 20}, QStringLiteral("MOTIF DU RV:"));
    m_reason = Place::capitalsField(this, {290, 53, 250, 20});
    m_reason->setObjectName(QStringLiteral("reasonField"));
    Place::label(this, {20, 78, 60, 20}, QStringLiteral("HEURE:"));
    m_hour = Place::capitalsField(this, {80, 78, 70, 20});
    m_hour->setObjectName(QStringLiteral("hourField"));
    Place::label(this, {180, 78, 100, 20}, QStringLiteral("OBSERVATIONS:"));
    m_observations = Place::capitalsField(this, {290, 78, 250, 20});
    m_observations->setObjectName(QStringLiteral("observationsField"));

    placeButtons(128, QStringLiteral("(#ALT+SUP) Supprimer le RV"), 180);

    m_appointments = Place::list(this, {10, 163, 550, 150},
                                 {{QStringLiteral("Date RV"), 90},
                                  {QStringLiteral("HEURE"), 60},
                                  {QStringLiteral("MOTIF"), 200},
                                  {QStringLiteral("COMPTE RENDU DU MEDECIN"), 350}});
    m_appointments->setObjectName(QStringLiteral("appointmentList"));
    m_appointments->setColours(ListText, ListBackground);
    // A click copies a row into the fields and leaves the focus in the field being typed.
    m_appointments->setFocusPolicy(Qt::TabFocus);
    connect(m_appointments, &ReportList::rowChosen, this, &AppointmentWindow::takeRow);

    placePrintButton(323);

    fillAppointmentList();
    m_date->setFocus();
}

QString AppointmentWindow::appointmentDate() const {
    return m_date->text();
}

void AppointmentWindow::fillAppointmentList() {
    m_appointments->clearRows();
    m_appointments->addRows(appointmentListRows(patientDocuments(appointmentTable(), patientCode())));
    reloadRecordSection();
}

void AppointmentWindow::clearAppointmentFields() {
    m_hour->clear();
    m_reason->clear();
    m_observations->clear();
    m_date->showChosenDate();
}

// The row's cells go into the fields as they are listed; the focus stays where it is.
void AppointmentWindow::takeRow(int row) {
    if (m_appointments->currentRowIndex() < 0)
        return;
    m_date->showDate(m_appointments->cell(row, 0));
    m_hour->setText(m_appointments->cell(row, 1));
    m_reason->setText(m_appointments->cell(row, 2));
    m_observations->setText(m_appointments->cell(row, 3));
}

void AppointmentWindow::save() {
    const SaveOutcome outcome =
        saveAppointment(patientCode(), appointmentDate(), {m_hour->text(), m_reason->text(), m_observations->text()});
    if (outcome == SaveOutcome::Refused)
        return;
    // When the store refused, its error has been shown and the typed appointment stays.
    if (outcome == SaveOutcome::Saved)
        clearAppointmentFields();
    fillAppointmentList();
}

// The list keeps the cancelled appointment until it is filled again.
void AppointmentWindow::remove() {
    if (!takeActDate(appointmentDate(), checkAppointmentDate))
        return;
    if (deleteDocument(appointmentTable(), patientCode(), appointmentDate()) == Removal::Removed)
        clearAppointmentFields();
    reloadRecordSection();
}

// The card of the appointment stored for the date shown, dated the day it is handed over.
void AppointmentWindow::print() {
    QStringList lines;
    if (const std::optional<Row> stored = documentOf(appointmentTable(), patientCode(), appointmentDate()))
        lines = appointmentCardLines(record().header().name, appointmentDate(), appointmentOf(*stored));
    printSingleDocument({Letterhead::Appointment, CardDateY, programState().today, std::nullopt, lines});
}

void AppointmentWindow::enterPressed(QWidget *focused) {
    if (focused == m_date)
        m_reason->setFocus();
    else if (focused == m_reason)
        m_hour->setFocus();
    else if (focused == m_hour)
        m_observations->setFocus();
    else if (focused == m_observations)
        save();
}

void openAppointmentWindow(MedicalRecordWindow &record) {
    AppointmentWindow window(record);
    window.run();
}
